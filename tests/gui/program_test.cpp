// The CutterBase program as a process on the offscreen platform: main() builds the window, the
// demo picture shows it, and Close ends the process well; --help and --version need nothing; a
// start the runtime ends is shown once in a box where a display is, and ends as the runtime says.

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "gui/dialogs/startup_failure.h"
#include "gui_test.h"
#include "main_window_fixture.h"
#include "runtime/environment.h"
#include "scripted_presenter.h"
#include "support/test_support.h"

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run runProgram(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CUTTERBASE_PROGRAM), arguments);
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
    }
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromLocal8Bit(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

// Stands for the runtime's own end of the process, which would end the test as well.
[[noreturn]] void throwText(const std::string& text) {
    throw text;
}

}  // namespace

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
        const QString changeFile = QString::fromStdString(fixture.changeFile());
        QCOMPARE(runProgram({"-tpnum", "1", "-o", changeFile}, environment).status, 0);
        const QImage window(picture);
        QVERIFY(window.width() >= 640 && window.height() >= 480);
        // Close with the toolpath's own tool unchanged writes nothing.
        QVERIFY(!fixture.readChangeFile());
    }

    // Without any environment, and without a display nothing waits for a person.
    void answersAloneOrEndsAsTheRuntimeSays() {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":0"));
        const Run help = runProgram({"--help", "-tpnum"}, environment);
        QVERIFY2(help.out.startsWith("usage: CutterBase [-tpnum N] [-o FILE]\n") &&
                     help.out.contains("\n  --version "),
                 qPrintable(help.out));
        const Run version = runProgram({"--version"}, environment);
        const QRegularExpression line(
            QStringLiteral("^CutterBase \\d+(\\.\\d+)+( \\(revision [0-9a-f]+\\))?\n$"));
        QVERIFY2(line.match(version.out).hasMatch(), qPrintable(version.out));
        QCOMPARE(help.status + version.status, 0);
        QCOMPARE(help.err + version.err, QString());
        const Run failed = runProgram({"-tpnum", "1"}, environment);
        QCOMPARE(failed.status, 255);
        // Qt may have said something of its own first.
        QVERIFY2(failed.err.endsWith("\nThe environment variable 'KVXHOME' is not defined\n") ||
                     failed.err == "The environment variable 'KVXHOME' is not defined\n",
                 qPrintable(failed.err));
    }

    void aFailedStartIsShownOnceWhereADisplayIs() {
        const std::string runtime = "The environment variable 'KVXHOME' is not defined\n";
        const std::string english =
            runtime +
            "\nCutterBase needs the environment of its CAM system\n(KVXHOME, KVXZONE and "
            "the installation's environ.cfg):\nthe CAM system starts it through "
            "KVX_CUTTER_HOOK_COMMAND\nfor a toolpath of the current workzone, so start "
            "it from there.";
        const std::string german =
            runtime +
            "\nCutterBase braucht die Umgebung seines CAM-Systems\n(KVXHOME, KVXZONE "
            "und die environ.cfg der Installation):\nDas CAM-System startet es \xFC"
            "ber KVX_CUTTER_HOOK_COMMAND\nf\xFCr eine Bahn der aktuellen Arbeitszone; "
            "starten Sie es von dort.";
        // KVXLANG, whether a display is, what the box shows
        const std::tuple<std::optional<std::string>, bool, std::vector<std::string>> cases[] = {
            {std::nullopt, true, {english}},
            {"ALL", true, {german}},
            {"fra", true, {english}},
            {"all", false, {}},
        };
        testsupport::ScopedEnv env;
        env.set("KVXHOME", std::nullopt);
        for (const auto& [language, visible, shown] : cases) {
            env.set("KVXLANG", language);
            guitest::ScriptedPresenter presenter;
            set_fatal_handler(throwText);
            const FatalHandler previous = showStartupFailures(visible);
            unload_environment();
            QVERIFY_THROWS_EXCEPTION(std::string, get_variable("KVXZONE"));
            set_fatal_handler(previous);
            std::vector<std::string> texts;
            for (const auto& message : presenter.shown) {
                QVERIFY(message.plain && message.buttonSet == kButtonsOk);
                texts.push_back(message.text);
            }
            QCOMPARE(texts, shown);
        }
        set_fatal_handler(nullptr);
        unload_environment();
        env.set("DISPLAY", ":0").set("WAYLAND_DISPLAY", "wayland-0");
        QVERIFY(!displayAvailable());  // offscreen draws nowhere
    }
};

CUTTERBASE_GUI_TEST(ProgramTest)

#include "program_test.moc"
