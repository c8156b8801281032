// Band values pasted into the real editor window: by its button or by Ctrl+Shift+V taken by
// the window from whichever box has the focus; 21 or 16 values, or a refusal that changes
// nothing.
#include "TestSupport.h"

#include "app/MessageBox.h"
#include "editor/Form3.h"
#include "model/Categorie.h"
#include "model/Module1.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestIncollaBande : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::PreparaAmbiente();
        Module1::CategoriaCorrente = catRwLaboratorio;
    }

    void incolla_data()
    {
        QTest::addColumn<QString>("appunti");
        QTest::addColumn<bool>("scorciatoia"); // Ctrl+Shift+V in Text2(0), otherwise the button
        QTest::addColumn<QString>("bande");    // the 21 boxes afterwards, "|" between them
        QTest::addColumn<QString>("messaggio");
        const QString prima = QStringList(21, "1").join('|');
        QStringList ventuno, sedici;
        for (int i = 0; i < 21; ++i)
            ventuno << QString::number(30 + i) + ",5";
        for (int i = 0; i < 16; ++i)
            sedici << QString::number(40 + i) + ".5";
        QTest::newRow("21 from a spreadsheet row") << ventuno.join('\t') << false << ventuno.join('|') << "";
        QTest::newRow("16 with dots, by the shortcut")
            << sedici.join("\r\n") << true << "1|1|1|" + sedici.join('|').replace('.', ',') + "|1|1"
            << "";
        QTest::newRow("20 values") << ventuno.mid(1).join('\t') << true << prima << "20 values";
        QTest::newRow("a name") << "Muro in laterizio 12 cm" << false << prima << "\u00abMuro\u00bb";
    }
    void incolla()
    {
        QFETCH(QString, appunti);
        QFETCH(bool, scorciatoia);
        QFETCH(QString, messaggio);
        MessageBox::clearShown();
        Form3 editor;
        editor.SetModo("0");
        editor.SetMaterialeMostrato({});
        editor.InitMateriale();
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QList<QLineEdit*> bande;
        for (int i = 0; i < 21; ++i) {
            bande << editor.findChild<QLineEdit*>(QStringLiteral("Text2(%1)").arg(i));
            bande.last()->setText("1");
        }
        QApplication::clipboard()->setText(appunti);
        if (scorciatoia) {
            bande[0]->setFocus();
            QTest::keyClick(bande[0], Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        } else {
            QTest::mouseClick(editor.findChild<QPushButton*>("IncollaBande"), Qt::LeftButton);
        }
        QStringList testi;
        for (QLineEdit* banda : bande)
            testi << banda->text();
        QTEST(testi.join('|'), "bande");
        QCOMPARE(MessageBox::shown().size(), messaggio.isEmpty() ? 0 : 1);
        if (!messaggio.isEmpty())
            QVERIFY2(MessageBox::lastText().contains(messaggio), qPrintable(MessageBox::lastText()));
    }
};

QTEST_MAIN(TestIncollaBande)
#include "TestIncollaBande.moc"
