// Captions narrower than their text: the font chosen draws the whole text when that is
// possible, is left alone when the text fits, never goes below a legible size, and is
// the font the caption actually paints with.
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

    void carattereCheEntra_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<qreal>("quota"); // of the text's width at the base font
        QTest::addColumn<bool>("cambiato");
        QTest::newRow("entra largo") << "Frequenza [Hz]" << 2.0 << false;
        QTest::newRow("entra giusto") << "Frequenza [Hz]" << 1.0 << false;
        QTest::newRow("poco stretto") << "Frequenza [Hz]" << 0.9 << true;
        QTest::newRow("molto stretto") << "Società richiedente" << 0.7 << true;
        QTest::newRow("una lettera") << "W" << 0.8 << true;
    }
    void carattereCheEntra()
    {
        QFETCH(QString, testo);
        QFETCH(qreal, quota);
        QFETCH(bool, cambiato);
        const int larghezza = int(Larghezza(Base(), testo) * quota + (quota >= 1 ? 1 : 0));
        const QFont scelto = DidascaliaAdattata::CarattereCheEntra(Base(), testo, larghezza);
        QCOMPARE(scelto != Base(), cambiato);
        QVERIFY2(Larghezza(scelto, testo) <= larghezza,
                 qPrintable(QStringLiteral("%1 > %2").arg(Larghezza(scelto, testo)).arg(larghezza)));
        QVERIFY(scelto.pointSizeF() >= 6.0);
        QCOMPARE(scelto.family(), Base().family());
    }

    // A text that cannot fit at any legible size stops at the floor.
    void nonScendeSottoIlMinimo()
    {
        const QFont scelto =
            DidascaliaAdattata::CarattereCheEntra(Base(), QStringLiteral("Frequenza [Hz]"), 3);
        QCOMPARE(scelto.pointSizeF(), 6.0);
    }

    // The caption paints with the chosen font: the same picture as a plain caption
    // given that font, and not the picture of a plain caption that cuts the text.
    void disegnaConIlCarattereScelto()
    {
        const QString testo = QStringLiteral("Frequenza [Hz]");
        const QSize misura(int(Larghezza(Base(), testo) * 0.8), 16);
        DidascaliaAdattata adattata(testo);
        QLabel ristretta(testo), tagliata(testo);
        for (QLabel* e : {static_cast<QLabel*>(&adattata), &ristretta, &tagliata}) {
            e->setFont(Base());
            e->resize(misura);
        }
        ristretta.setFont(DidascaliaAdattata::CarattereCheEntra(Base(), testo, misura.width()));
        QCOMPARE(Disegno(adattata), Disegno(ristretta));
        QVERIFY(Disegno(adattata) != Disegno(tagliata));
    }

    // A caption that fits paints as a plain one.
    void cheEntraNonCambia()
    {
        const QString testo = QStringLiteral("Ri [dB]");
        DidascaliaAdattata adattata(testo);
        QLabel semplice(testo);
        for (QLabel* e : {static_cast<QLabel*>(&adattata), &semplice}) {
            e->setFont(Base());
            e->resize(200, 16);
        }
        QCOMPARE(Disegno(adattata), Disegno(semplice));
    }
};

QTEST_MAIN(TestDidascaliaAdattata)
#include "TestDidascaliaAdattata.moc"
