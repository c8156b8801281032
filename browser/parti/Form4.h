// The image window: the main window's picture enlarged, hidden as soon as the user
// goes back to another window.
#pragma once

#include <QWidget>

class QLabel;

class Form4 : public QWidget
{
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);
    void MostraImmagine(const QPixmap& immagine);
    QLabel* Image1() const { return Image1_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    QLabel* Image1_;
};
