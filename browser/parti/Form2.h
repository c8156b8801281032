// The additional-information window: certificate data, test date with its calendar and
// the general and physical data of the entry the main window shows. A read-only view:
// its boxes can be selected and copied but not changed.
#pragma once

#include <QDialog>
#include <array>

class QCalendarWidget;
class QFrame;
class QLabel;
class QPushButton;

class Form2 : public QDialog
{
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);

    static constexpr int NumeroCaselle = 12;

    QString Testo(int k) const;
    void ImpostaTesto(int k, const QString& testo);
    QWidget* Casella(int k) const;
    QLabel* Etichetta(int k) const;
    QCalendarWidget* MonthView1() const { return MonthView1_; }
    // Empties every box, in the order 4, 5, 11, 6, 7, 8, 9, 10, 0, 1, 2, 3.
    void ResetValoriForm2();

protected:
    // The window system's close box discards the window: the next use creates it anew.
    void closeEvent(QCloseEvent* evento) override;
    // Keys the boxes leave (Enter, Escape, typed characters) are discarded: only "Chiudi"
    // and the close box close the window.
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void CreaControlli();
    void CaricaDidascalie();
    QFrame* CreaRiquadro(const QString& nome, const QString& titolo, const QString& nomeTitolo, int top,
                         int altezza);
    void CreaCasella(QWidget* contenitore, int k, const char* didascalia, QPoint etichetta, QRect casella,
                     bool piuRighe, const QString& testo = {});

    QFrame* FrameInfogenerali_ = nullptr;
    QFrame* FrameCertificato_ = nullptr;
    QLabel* Label4_ = nullptr;
    QLabel* Label5_ = nullptr;
    std::array<QLabel*, NumeroCaselle> Label1_{};
    std::array<QWidget*, NumeroCaselle> Text1_{};
    QCalendarWidget* MonthView1_ = nullptr;
    QPushButton* Command2_ = nullptr;
};
