#ifndef FORMVALUEKEEPER_H
#define FORMVALUEKEEPER_H

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QVector>

// Keeps what combo boxes and line edits show across a retranslateUi, which sets item texts back
// to the form's texts. Keep the widgets just before retranslating, restore just after:
//     FormValueKeeper keeper;
//     keeper.keepItemZero(ui->comboBoxCellOVP1);
//     ui->retranslateUi(this);
//     keeper.restore();
// Keeping a widget again replaces what was kept of it before.
class FormValueKeeper
{
public:
    // Value box: item 0 text, current index, and the edit text of an editable box.
    void keepItemZero(QComboBox *box);
    // Code box: current index only (its item texts are the translated ones).
    void keepIndex(QComboBox *box);
    void keepText(QLineEdit *edit);

    // Puts every kept value back. Signals of the widgets are blocked meanwhile: the operator's
    // value is only shown again, so nothing reacts to it a second time. Widgets deleted since
    // they were kept are passed over.
    void restore();

    // Forgets every kept value.
    void clear();

private:
    struct KeptBox
    {
        QPointer<QComboBox> box;
        bool itemZero = false;
        QString itemZeroText;
        int currentIndex = -1;
        bool editable = false;
        QString editText;
    };
    struct KeptEdit
    {
        QPointer<QLineEdit> edit;
        QString text;
    };

    KeptBox &slotFor(QComboBox *box);

    QVector<KeptBox> boxes;
    QVector<KeptEdit> edits;
};

#endif // FORMVALUEKEEPER_H
