#include "formvaluekeeper.h"

#include <QSignalBlocker>

FormValueKeeper::KeptBox &FormValueKeeper::slotFor(QComboBox *box)
{
    for (KeptBox &kept : boxes) {
        if (kept.box == box)
            return kept;
    }
    boxes.append(KeptBox());
    boxes.last().box = box;
    return boxes.last();
}

void FormValueKeeper::keepItemZero(QComboBox *box)
{
    if (!box)
        return;
    KeptBox &kept = slotFor(box);
    kept.itemZero = box->count() > 0;
    kept.itemZeroText = box->count() > 0 ? box->itemText(0) : QString();
    kept.currentIndex = box->currentIndex();
    kept.editable = box->isEditable();
    kept.editText = box->currentText();
}

void FormValueKeeper::keepIndex(QComboBox *box)
{
    if (!box)
        return;
    KeptBox &kept = slotFor(box);
    kept.itemZero = false;
    kept.itemZeroText.clear();
    kept.currentIndex = box->currentIndex();
    kept.editable = false;
    kept.editText.clear();
}

void FormValueKeeper::keepText(QLineEdit *edit)
{
    if (!edit)
        return;
    for (KeptEdit &kept : edits) {
        if (kept.edit == edit) {
            kept.text = edit->text();
            return;
        }
    }
    edits.append(KeptEdit{edit, edit->text()});
}

void FormValueKeeper::restore()
{
    for (const KeptBox &kept : qAsConst(boxes)) {
        QComboBox *box = kept.box;
        if (!box)
            continue;
        const QSignalBlocker blocker(box);
        if (kept.itemZero && box->count() > 0)
            box->setItemText(0, kept.itemZeroText);
        if (kept.currentIndex < box->count())
            box->setCurrentIndex(kept.currentIndex);
        if (kept.editable && box->isEditable())
            box->setEditText(kept.editText);
    }
    for (const KeptEdit &kept : qAsConst(edits)) {
        QLineEdit *edit = kept.edit;
        if (!edit)
            continue;
        const QSignalBlocker blocker(edit);
        edit->setText(kept.text);
    }
}

void FormValueKeeper::clear()
{
    boxes.clear();
    edits.clear();
}
