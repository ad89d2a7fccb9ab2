#pragma once

#include <QWidget>

// Gauge of one battery cell: a cell drawn upright whose filling follows the
// cell voltage between the minimum and the maximum. A disabled gauge (a cell
// the pack does not have) is drawn empty; a stale gauge (a value no longer
// current) keeps its filling in grey.
class Battery1 : public QWidget
{
    Q_OBJECT

public:
    static constexpr int DefaultMinimum = 2500;   // mV
    static constexpr int DefaultMaximum = 3650;   // mV, lithium iron phosphate

    explicit Battery1(QWidget *parent = nullptr);

    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    // Share of the range that is filled, 0 to 1.
    double fillRatio() const;
    bool isStale() const { return m_stale; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void setValue(int millivolts);
    void setRange(int minimum, int maximum);
    void setMaximum(int maximum);
    void setStale(bool stale);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int m_value = 0;
    int m_minimum = DefaultMinimum;
    int m_maximum = DefaultMaximum;
    bool m_stale = false;
};
