// A straight line between two points given in twips, as the chart's tick marks are
// placed; the widget covers the line's bounding box.
#pragma once

#include <QWidget>

class LineaTwips : public QWidget
{
    Q_OBJECT
public:
    LineaTwips(const QString& nome, int x1, int y1, int x2, int y2, QWidget* parent);

    int X1() const { return x1_; }
    int Y1() const { return y1_; }
    int X2() const { return x2_; }
    int Y2() const { return y2_; }
    void ImpostaCoordinata(const QString& proprieta, int twips);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Colloca();
    int x1_, y1_, x2_, y2_;
};
