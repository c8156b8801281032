// A date box: a date typed day/month/year ("31/12/2012"; "." or "-" between the parts, a
// two-digit year in 2000-2099, or year-month-day) or chosen in the calendar of its button.
#pragma once

#include <QDate>
#include <QLineEdit>
#include <optional>

class CasellaData : public QLineEdit
{
    Q_OBJECT
public:
    explicit CasellaData(const QDate& data, QWidget* parent = nullptr);

    // The date in the box; nothing when it holds none.
    std::optional<QDate> Data() const { return Leggi(text()); }
    static std::optional<QDate> Leggi(const QString& testo);

signals:
    // The user typed or chose a date.
    void dataScelta();

private:
    void MostraCalendario();
};
