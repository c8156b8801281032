// The mark beside the editor's keyword box in modify mode. The box starts on the first
// keyword of the main window's list, which need not be the entry's own: while it holds
// another keyword than the one the entry stores, the mark names the stored keyword, and a
// click puts it back into the box.
#pragma once

#include <QToolButton>
#include <optional>

class QComboBox;

class SegnoParolaChiave : public QToolButton
{
    Q_OBJECT
public:
    SegnoParolaChiave(QComboBox* parole, QWidget* parent);

    // The keyword the entry stores; nothing (a new entry, no keyword stored) hides the mark.
    void ImpostaMemorizzata(const std::optional<QString>& parola);
    const std::optional<QString>& Memorizzata() const { return memorizzata_; }

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void Aggiorna();
    void Ripristina();

    QComboBox* parole_;
    std::optional<QString> memorizzata_;
};
