// Captions narrower than their text: the font chosen draws the whole text when that is
// possible, is left alone when the text fits, never goes below a legible size, and is the
// font the caption actually paints with.
#include "TestSupport.h"

#include "ui/DidascaliaAdattata.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTest>

namespace {

QFont Base()
{
    QFont f;
    f.setPointSizeF(8.25);
    return f;
}

qreal Larghezza(const QFont& f, const QString& testo)
{
    return QFontMetricsF(f).horizontalAdvance(testo);
}

QImage Disegno(QLabel& etichetta)
{
    etichetta.setAutoFillBackground(true);
    return etichetta.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestDidascaliaAdattata : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }

    void carattereCheEntra()
    {
        const struct
        {
            const char* testo;
            qreal quota; // of the text's width at the base font
            bool cambiato;
        } righe[] = {{"Frequenza [Hz]", 2.0, false},
                     {"Frequenza [Hz]", 1.0, false},
                     {"Frequenza [Hz]", 0.9, true},
                     {"Società richiedente", 0.7, true},
                     {"W", 0.8, true}};
        for (const auto& r : righe) {
            const QString testo = QString::fromUtf8(r.testo);
            const int larghezza = int(Larghezza(Base(), testo) * r.quota + (r.quota >= 1 ? 1 : 0));
            const QFont scelto = DidascaliaAdattata::CarattereCheEntra(Base(), testo, larghezza);
            QCOMPARE(scelto != Base(), r.cambiato);
            QVERIFY(Larghezza(scelto, testo) <= larghezza);
            QCOMPARE(scelto.family(), Base().family());
        }
        // A text that cannot fit at any legible size stops at the floor.
        QCOMPARE(
            DidascaliaAdattata::CarattereCheEntra(Base(), QStringLiteral("Frequenza [Hz]"), 3).pointSizeF(),
            6.0);
    }

    // The caption paints with the chosen font, not as a plain caption that cuts the text;
    // one that fits paints as a plain one.
    void disegnaConIlCarattereScelto()
    {
        for (const char* testo : {"Frequenza [Hz]", "Ri [dB]"}) {
            const QString t = QString::fromUtf8(testo);
            const QSize misura(qMin(int(Larghezza(Base(), QStringLiteral("Frequenza [Hz]")) * 0.8), 200), 16);
            DidascaliaAdattata adattata(t);
            QLabel ristretta(t), semplice(t);
            for (QLabel* e : {static_cast<QLabel*>(&adattata), &ristretta, &semplice}) {
                e->setFont(Base());
                e->resize(misura);
            }
            ristretta.setFont(DidascaliaAdattata::CarattereCheEntra(Base(), t, misura.width()));
            QCOMPARE(Disegno(adattata), Disegno(ristretta));
            QCOMPARE(Disegno(adattata) == Disegno(semplice), t == QLatin1String("Ri [dB]"));
        }
    }
};

QTEST_MAIN(TestDidascaliaAdattata)
#include "TestDidascaliaAdattata.moc"
