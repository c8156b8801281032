// The window in which the user sets the letterhead of the data sheets: the laboratory's name
// and its logo's file, kept in the user's settings (CartaIntestata).
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

class DialogoCartaIntestata : public QDialog
{
    Q_OBJECT
public:
    explicit DialogoCartaIntestata(QWidget* parent = nullptr);

    // Keeps what was typed, unless the logo's file cannot be read as a picture (the user is told).
    void accept() override;

private:
    void ScegliLogo();
    void MostraLogo();

    QLineEdit* laboratorio_ = nullptr;
    QLineEdit* logo_ = nullptr;
    QLabel* anteprima_ = nullptr;
};
