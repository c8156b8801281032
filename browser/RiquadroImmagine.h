// The entry's picture in the main window: drawn scaled into its box, keeping the
// picture's proportions; a double click asks for the enlarged view.
#pragma once

#include <QLabel>
#include <QPixmap>

class RiquadroImmagine : public QLabel
{
    Q_OBJECT
public:
    explicit RiquadroImmagine(QWidget* parent = nullptr);

    void ImpostaImmagine(const QPixmap& immagine);
    void Rimuovi();
    const QPixmap& Immagine() const { return immagine_; }
    bool HaImmagine() const { return !immagine_.isNull(); }

signals:
    void doppioClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    QPixmap immagine_;
    QPixmap scalata_; // immagine_ at the size it was last drawn
};
