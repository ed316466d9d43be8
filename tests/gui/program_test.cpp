// The CutterBase program: as a process on the offscreen platform, and its start-up failure box.

#include <QImage>
#include <QProcess>
#include <QRegularExpression>

#include "gui/dialogs/startup_failure.h"
#include "main_window_fixture.h"
#include "runtime/environment.h"

namespace {

// Exit status (-1 for a crash or a hang), standard output and standard error.
std::tuple<int, QString, QString> run(const QStringList& arguments,
                                      QProcessEnvironment environment) {
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CUTTERBASE_PROGRAM), arguments);
    const bool ended = program.waitForFinished(60000) && program.exitStatus() == 0;
    program.kill();
    return {ended ? program.exitCode() : -1, program.readAllStandardOutput(),
            program.readAllStandardError()};
}

}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    // As the CAM system starts it, then without any environment: nothing waits.
    void startsAloneOrEndsAsTheRuntimeSays() {
        guitest::MainWindowFixture fixture;
        fixture.tool("bull/d10r2.wkz");
        const QString picture = QString::fromStdString(fixture.libraryFile("window.png"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CUTTERBASE_DEMO_PICTURE"), picture);
        const QString changeFile = QString::fromStdString(fixture.changeFile());
        QCOMPARE(std::get<0>(run({"-tpnum", "1", "-o", changeFile}, environment)), 0);
        // Close with the toolpath's own tool unchanged writes nothing.
        QVERIFY(QImage(picture).width() >= 640 && !fixture.readChangeFile());

        environment.clear();
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":0"));
        const auto [helpStatus, help, helpErrors] = run({"--help", "-tpnum"}, environment);
        QVERIFY(help.startsWith("usage: CutterBase [-tpnum N] [-o FILE]\n") &&
                help.contains("\n  --version "));
        const auto [versionStatus, version, versionErrors] = run({"--version"}, environment);
        QVERIFY2(QRegularExpression("^CutterBase \\d+(\\.\\d+)+( \\(revision [0-9a-f]+\\))?\n$")
                     .match(version)
                     .hasMatch(),
                 qPrintable(version));
        QCOMPARE(QString::number(helpStatus + versionStatus) + helpErrors + versionErrors, "0");
        const auto [status, out, errors] = run({"-tpnum", "1"}, environment);
        // Qt may have said something of its own first.
        QVERIFY2(
            status == 255 &&
                ("\n" + errors).endsWith("\nThe environment variable 'KVXHOME' is not defined\n"),
            qPrintable(errors));
    }

    void aFailedStartIsShownOnceWhereADisplayIs() {
        const std::string runtime = "The environment variable 'KVXHOME' is not defined\n\n";
        const std::string english = runtime +
                                    "CutterBase needs the environment of its CAM system "
                                    "(KVXHOME, KVXZONE):\nthe CAM system starts it through "
                                    "KVX_CUTTER_HOOK_COMMAND for a toolpath.";
        const std::string german = runtime +
                                   "CutterBase braucht die Umgebung seines CAM-Systems "
                                   "(KVXHOME, KVXZONE):\nDas CAM-System startet es \xFC"
                                   "ber KVX_CUTTER_HOOK_COMMAND f\xFCr eine Bahn.";
        testsupport::ScopedEnv env;
        env.set("KVXHOME", std::nullopt);
        // KVXLANG, whether a display is, what the box shows ("" none)
        for (const auto& [language, visible, text] :
             {std::tuple<std::optional<std::string>, bool, std::string>{std::nullopt, true,
                                                                        english},
              {"ALL", true, german},
              {"all", false, ""}}) {
            env.set("KVXLANG", language);
            guitest::ScriptedPresenter presenter;
            // Stands for the runtime's end of the process, which would end the test as well.
            set_fatal_handler([](const std::string& shown) { throw shown; });
            showStartupFailures(visible);
            unload_environment();
            QVERIFY_THROWS_EXCEPTION(std::string, get_variable("KVXZONE"));
            QCOMPARE(presenter.shown.size(), std::size_t(text.empty() ? 0 : 1));
            for (const auto& message : presenter.shown) {
                QVERIFY(message.plain && message.buttonSet == kButtonsOk);
                QCOMPARE(message.text, text);
            }
        }
        set_fatal_handler(nullptr);
        unload_environment();
    }
};

CUTTERBASE_GUI_TEST(ProgramTest)

#include "program_test.moc"
