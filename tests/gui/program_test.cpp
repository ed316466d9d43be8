// The CutterBase program as the CAM system starts it, as a process on the offscreen platform:
// main() builds the window, the demo picture shows it, and Close ends the process well.

#include <QImage>
#include <QProcess>
#include <QTest>

#include "gui_test.h"
#include "main_window_fixture.h"
#include "support/test_support.h"

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void startsDrawsItsWindowAndCloses() {
        guitest::MainWindowFixture fixture;
        fixture.tool("bull/d10r2.wkz");
        testsupport::TempDir output;
        const QString picture = QString::fromStdString(output.file("window.png"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("CUTTERBASE_DEMO_PICTURE"), picture);
        QProcess program;
        program.setProcessEnvironment(environment);
        const QString changeFile = QString::fromStdString(fixture.changeFile());
        program.start(QStringLiteral(CUTTERBASE_PROGRAM), {"-tpnum", "1", "-o", changeFile});
        if (!program.waitForFinished(60000)) {
            program.kill();
            QFAIL("CutterBase did not end");
        }
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QImage window(picture);
        QVERIFY(window.width() >= 640 && window.height() >= 480);
        // Close with the toolpath's own tool unchanged writes nothing.
        QVERIFY(!fixture.readChangeFile());
    }
};

CUTTERBASE_GUI_TEST(ProgramTest)

#include "program_test.moc"
