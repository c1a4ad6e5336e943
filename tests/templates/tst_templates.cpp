#include "support/FrameFixture.h"

#include "app/PictureButton.h"
#include "app/StatusLine.h"
#include "app/Toolbar.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "files/DocumentFiles.h"
#include "templates/TemplateOptionsDialog.h"
#include "templates/Templates.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

void storeTemplate(FrameFixture& fx, const QString& checked, const QString& file) {
    fx.prefs().save(QStringLiteral("Template"), QStringLiteral("Checked"), checked);
    fx.prefs().save(QStringLiteral("Template"), QStringLiteral("File"), file);
}

QString label3(FrameFixture& fx) {
    return fx.frame().statusLine()->templateFile()->text();
}

QList<TemplateOptionsDialog*> openDialogs(MainFrame& frame) {
    QList<TemplateOptionsDialog*> shown;
    for (auto* dialog : frame.findChildren<TemplateOptionsDialog*>()) {
        if (dialog->isVisible())
            shown << dialog;
    }
    return shown;
}

TemplateOptionsDialog* openOptions(FrameFixture& fx) {
    fx.active()->action(Command::OptionsTemplate)->trigger();
    const auto shown = openDialogs(fx.frame());
    return shown.size() == 1 ? shown.first() : nullptr;
}

template <typename T>
T* part(TemplateOptionsDialog* dialog, const char* name) {
    return dialog->findChild<T*>(QString::fromLatin1(name));
}

QString storedTemplate(FrameFixture& fx, const char* key) {
    return fx.prefs().get(QStringLiteral("Template"), QString::fromLatin1(key));
}

}  // namespace

class TestTemplates : public QObject {
    Q_OBJECT
private slots:
    void templatesAreInForceOnlyWithAMarkAndAFile_data() {
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("inForce");
        QTest::newRow("on with a file") << "1"
                                        << "/t.html" << true;
        QTest::newRow("off") << "0"
                             << "/t.html" << false;
        QTest::newRow("no mark") << ""
                                 << "/t.html" << false;
        QTest::newRow("on without a file") << "1"
                                           << "" << false;
        QTest::newRow("any other number") << "-1"
                                          << "/t.html" << true;
        QTest::newRow("not a number") << "True"
                                      << "/t.html" << false;
    }
    void templatesAreInForceOnlyWithAMarkAndAFile() {
        QFETCH(QString, checked);
        QFETCH(QString, file);
        QFETCH(bool, inForce);
        QCOMPARE((TemplateOptions{checked, file}.inForce()), inForce);
    }

    void storedOptionsReadBackEqual() {
        FrameFixture fx;
        const TemplateOptions options{QStringLiteral("1"), fx.path("t.html")};
        Preferences prefs(fx.prefs());
        prefs.setTemplateOptions(options);
        QVERIFY(prefs.templateOptions() == options);
        QVERIFY(!(prefs.templateOptions() == TemplateOptions{"0", fx.path("t.html")}));
    }

    void newDocumentsStartCleanWithTheTemplate() {
        FrameFixture fx;
        const QString file = fx.writeFile("t.html", "<html>\r\n<body>caf\xe9</body>\r\n</html>");
        storeTemplate(fx, "1", file);
        fx.start(fx.writeFile("other.html", "x"));
        DocumentWindow* doc = fx.documents().newDocument();
        const QString expected = QStringLiteral("<html>\n<body>café</body>\n</html>");
        QCOMPARE(fx.text(), expected);
        QVERIFY(!doc->isChanged());
        QCOMPARE(label3(fx), QString());
        doc->action(Command::EditWrapText)->trigger();
        QVERIFY(!doc->editor()->wraps());
        QCOMPARE(fx.text(), expected);
        // Closing it at once asks nothing.
        QVERIFY(doc->closeDocument());
        QVERIFY(fx.dialogs().messageTexts().isEmpty());
    }

    void startUpLoadsTheTemplateOnlyWithoutAFileToOpen() {
        FrameFixture fx;
        const QString file = fx.writeFile("t.html", "<p>template</p>\n");
        storeTemplate(fx, "1", file);
        fx.start();
        QCOMPARE(fx.text(), QStringLiteral("<p>template</p>\n"));
        QVERIFY(!fx.active()->isChanged());
        QCOMPARE(label3(fx), " Template: " + file);
        QVERIFY(fx.frame().action(Command::OptionsTemplate)->isChecked());

        const QString page = fx.writeFile("page.html", "<p>page</p>");
        fx.restart(page);
        QCOMPARE(fx.text(), QStringLiteral("<p>page</p>"));
        QCOMPARE(label3(fx), QString());
    }

    void anUnreadableTemplateIsReportedAndTheDocumentStaysEmpty_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << "no such template.html";
        QTest::newRow("a folder") << "folder";
    }
    void anUnreadableTemplateIsReportedAndTheDocumentStaysEmpty() {
        QFETCH(QString, name);
        FrameFixture fx;
        QVERIFY(QDir().mkpath(fx.path("folder")));
        const QString file = fx.path(name);
        storeTemplate(fx, "1", file);
        fx.start();
        const QStringList message{"Can't open template file: " + file};
        QCOMPARE(fx.dialogs().messageTexts(), message);
        QCOMPARE(fx.dialogs().shown().last().message.title, QStringLiteral("Pagelark"));
        QCOMPARE(label3(fx), QString());
        fx.dialogs().clear();
        DocumentWindow* doc = fx.documents().newDocument();
        QCOMPARE(fx.dialogs().messageTexts(), message);
        QCOMPARE(fx.text(), QString());
        QVERIFY(!doc->isChanged());
        QCOMPARE(fx.documents().openWindows().size(), 2);
    }

    void theNewButtonComesBackReleasedAfterTheTemplateMessage() {
        FrameFixture fx;
        storeTemplate(fx, "1", fx.path("gone.html"));
        fx.prefs().save(QStringLiteral("Tools"), QStringLiteral("Checked"), QStringLiteral("True"));
        fx.start();
        PictureButton* newButton = fx.frame().toolbar()->button(ToolbarButton::New);
        QTest::mousePress(newButton, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(fx.dialogs().messageTexts().size(), 2);
        QCOMPARE(newButton->picture(), PictureButton::Picture::Released);
    }

    void theDialogShowsItsPartsAndTheStoredChoice_data() {
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("boxChecked");
        QTest::addColumn<QString>("shown");
        QTest::newRow("on") << "1"
                            << "/t.html" << true << "/t.html";
        QTest::newRow("off with a file") << "0"
                                         << "/t.html" << false << "/t.html";
        QTest::newRow("on without a file") << "1"
                                           << "" << false << "";
        QTest::newRow("a file without a mark") << ""
                                               << "/t.html" << false << "";
    }
    void theDialogShowsItsPartsAndTheStoredChoice() {
        QFETCH(QString, checked);
        QFETCH(QString, file);
        QFETCH(bool, boxChecked);
        QFETCH(QString, shown);
        FrameFixture fx;
        storeTemplate(fx, checked, file);
        fx.start();
        fx.dialogs().clear();
        const bool markBefore = fx.active()->action(Command::OptionsTemplate)->isChecked();
        TemplateOptionsDialog* dialog = openOptions(fx);
        QVERIFY(dialog);
        // Choosing the entry switches nothing by itself.
        QCOMPARE(fx.active()->action(Command::OptionsTemplate)->isChecked(), markBefore);
        QCOMPARE(dialog->objectName(), QStringLiteral("template_options"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Template Options"));
        QVERIFY(!dialog->isModal());
        QCOMPARE(part<QCheckBox>(dialog, "use_template_check")->text(),
                 QStringLiteral("Use template when creating a new file."));
        QCOMPARE(part<QGroupBox>(dialog, "template_file_frame")->title(),
                 QStringLiteral("Template File"));
        QCOMPARE(part<QLabel>(dialog, "instructions_label")->text(),
                 QStringLiteral("Use the Browse button to find your template file.  When a "
                                "template file is shown and the Check Box above is checked, all "
                                "new documents will be created with the file shown below "
                                "automatically loaded."));
        QCOMPARE(part<QPushButton>(dialog, "browse_button")->text(), QStringLiteral("Browse"));
        QCOMPARE(part<QPushButton>(dialog, "ok_button")->text(), QStringLiteral("OK"));
        QCOMPARE(part<QPushButton>(dialog, "cancel_button")->text(), QStringLiteral("Cancel"));
        QCOMPARE(part<QCheckBox>(dialog, "use_template_check")->isChecked(), boxChecked);
        QCOMPARE(part<QLabel>(dialog, "template_file_label")->text(), shown);
        QVERIFY(fx.dialogs().shown().isEmpty());
    }

    void browseUsesTheFramesFileDialogAndKeepsTheSizeLimit() {
        FrameFixture fx;
        fx.start();
        const QString limit = fx.writeFile("limit.html", QByteArray(65000, 'x'));
        const QString over = fx.writeFile("over.html", QByteArray(65001, 'x'));
        fx.program().files().dialog().fileName = QStringLiteral("left over");
        TemplateOptionsDialog* dialog = openOptions(fx);
        QVERIFY(dialog);
        QPushButton* browse = part<QPushButton>(dialog, "browse_button");

        fx.dialogs().answerFile(FileDialogResult{limit, 4});
        browse->click();
        const FileDialogRequest asked = fx.dialogs().shown().last().file;
        QCOMPARE(asked.fileName, QString());
        QCOMPARE(asked.filterIndex, 2);
        QCOMPARE(asked.filter,
                 QStringLiteral("All Files (*.*)|*.*|HTML Files (*.htm*)|*.htm*|Server Side "
                                "Include Files(*.sht*)|*.sht*|Text Files (*.txt)|*.txt|Batch "
                                "Files (*.bat)|*.bat"));
        QCOMPARE(dialog->fileShown(), limit);

        fx.dialogs().answerFile(FileDialogResult{over, 2});
        browse->click();
        QCOMPARE(fx.dialogs().messageTexts(), QStringList{"The file is too large to open."});
        QCOMPARE(dialog->fileShown(), limit);

        fx.dialogs().answerFile(std::nullopt);
        browse->click();
        QCOMPARE(dialog->fileShown(), QString());
        QCOMPARE(fx.dialogs().messageTexts().size(), 1);
    }

    void browseStartsAmongTheShippedTemplatesWhichMakeAPage() {
        FrameFixture fx;
        const QString shipped = QDir(fx.programDir()).filePath("html5-template.html");
        QVERIFY(QFile::copy(QFileInfo(QStringLiteral(__FILE__))
                                .dir()
                                .filePath("../../resources/html5-template.html"),
                            shipped));
        fx.start();
        TemplateOptionsDialog* dialog = openOptions(fx);
        QPushButton* browse = part<QPushButton>(dialog, "browse_button");
        fx.dialogs().answerFile(FileDialogResult{shipped, 2});
        browse->click();
        QCOMPARE(fx.dialogs().shown().last().file.folder, fx.programDir());
        // Once a file is shown, its own folder; the frame's dialog keeps no folder for Open.
        const QString own = fx.writeFile("mine.html", "<p>");
        fx.dialogs().answerFile(FileDialogResult{own, 2});
        browse->click();
        fx.dialogs().answerFile(std::nullopt);
        browse->click();
        QCOMPARE(fx.dialogs().shown().last().file.folder, QFileInfo(own).absolutePath());
        QCOMPARE(fx.program().files().dialog().folder, QString());

        fx.dialogs().answerFile(FileDialogResult{shipped, 2});
        browse->click();
        part<QCheckBox>(dialog, "use_template_check")->setChecked(true);
        part<QPushButton>(dialog, "ok_button")->click();
        fx.active()->action(Command::FileNew)->trigger();
        for (const char* piece :
             {"<!DOCTYPE html>", "<html lang=\"en\">", "<meta charset=\"utf-8\">",
              "<meta name=\"viewport\"", "<title>", "</html>"})
            QVERIFY2(fx.text().contains(QLatin1String(piece)), piece);
        QVERIFY(!fx.active()->isChanged());
    }

    void okStoresTheChoiceAndSetsTheMarks_data() {
        QTest::addColumn<bool>("check");
        QTest::addColumn<bool>("chooseFile");
        QTest::addColumn<QString>("storedChecked");
        QTest::addColumn<bool>("marked");
        QTest::newRow("on with a file") << true << true << "1" << true;
        QTest::newRow("on without a file") << true << false << "1" << false;
        QTest::newRow("off with a file") << false << true << "0" << false;
    }
    void okStoresTheChoiceAndSetsTheMarks() {
        QFETCH(bool, check);
        QFETCH(bool, chooseFile);
        QFETCH(QString, storedChecked);
        QFETCH(bool, marked);
        FrameFixture fx;
        storeTemplate(fx, marked ? "0" : "1", "/old.html");
        fx.start();
        QPointer<TemplateOptionsDialog> dialog = openOptions(fx);
        QVERIFY(dialog);
        const QString file = chooseFile ? fx.writeFile("t.html", "<p></p>") : QString();
        fx.dialogs().answerFile(chooseFile ? std::optional(FileDialogResult{file, 2})
                                           : std::nullopt);
        part<QPushButton>(dialog, "browse_button")->click();
        part<QCheckBox>(dialog, "use_template_check")->setChecked(check);
        part<QPushButton>(dialog, "ok_button")->click();
        QCOMPARE(storedTemplate(fx, "Checked"), storedChecked);
        QCOMPARE(storedTemplate(fx, "File"), file);
        QCOMPARE(label3(fx), " Template: " + file);
        QCOMPARE(fx.frame().action(Command::OptionsTemplate)->isChecked(), marked);
        QCOMPARE(fx.active()->action(Command::OptionsTemplate)->isChecked(), marked);
        QVERIFY(!dialog->isVisible());
        QTRY_VERIFY(dialog.isNull());
    }

    void okMarksOnlyTheActiveWindowAndTheFrame() {
        FrameFixture fx;
        fx.start();
        DocumentWindow* first = fx.active();
        DocumentWindow* second = fx.documents().newDocument();
        fx.dialogs().answerFile(FileDialogResult{fx.writeFile("t.html", "t"), 2});
        TemplateOptionsDialog* dialog = openOptions(fx);
        QVERIFY(dialog);
        part<QPushButton>(dialog, "browse_button")->click();
        part<QCheckBox>(dialog, "use_template_check")->setChecked(true);
        part<QPushButton>(dialog, "ok_button")->click();
        QVERIFY(second->action(Command::OptionsTemplate)->isChecked());
        QVERIFY(!first->action(Command::OptionsTemplate)->isChecked());
        // A window made from now on starts marked, and with the template.
        fx.documents().newDocument();
        QVERIFY(fx.active()->action(Command::OptionsTemplate)->isChecked());
        QCOMPARE(fx.text(), QStringLiteral("t"));
    }

    void okInClearedModeStoresNothingAndCancelNeverStores() {
        FrameFixture fx;
        fx.start();
        const QString file = fx.writeFile("t.html", "t");
        fx.dialogs().answerFile(FileDialogResult{file, 2});
        TemplateOptionsDialog* dialog = openOptions(fx);
        part<QPushButton>(dialog, "browse_button")->click();
        part<QCheckBox>(dialog, "use_template_check")->setChecked(true);
        part<QPushButton>(dialog, "cancel_button")->click();
        QVERIFY(openDialogs(fx.frame()).isEmpty());
        QCOMPARE(storedTemplate(fx, "Checked"), QString());
        QVERIFY(!fx.frame().action(Command::OptionsTemplate)->isChecked());

        fx.dialogs().answerMessage(MessageAnswer::Ok);
        fx.frame().action(Command::OptionsClearPreferences)->trigger();
        QVERIFY(fx.state().preferencesCleared());
        fx.dialogs().answerFile(FileDialogResult{file, 2});
        dialog = openOptions(fx);
        part<QPushButton>(dialog, "browse_button")->click();
        part<QCheckBox>(dialog, "use_template_check")->setChecked(true);
        part<QPushButton>(dialog, "ok_button")->click();
        QCOMPARE(storedTemplate(fx, "Checked"), QString());
        QCOMPARE(storedTemplate(fx, "File"), QString());
        QCOMPARE(label3(fx), QString());
        // The marks still follow the choice.
        QVERIFY(fx.frame().action(Command::OptionsTemplate)->isChecked());
    }

    void oneDialogAtATimeFromTheFrameAndTheWindows() {
        FrameFixture fx;
        fx.start();
        QAction* frameEntry = fx.frame().action(Command::OptionsTemplate);
        QVERIFY(frameEntry->isEnabled());
        TemplateOptionsDialog* fromWindow = openOptions(fx);
        QVERIFY(fromWindow);
        fx.active()->closeDocument();
        frameEntry->trigger();
        QVERIFY(!frameEntry->isChecked());
        QCOMPARE(openDialogs(fx.frame()), QList<TemplateOptionsDialog*>{fromWindow});
        // With no document open, OK only sets the frame's mark.
        fx.dialogs().answerFile(FileDialogResult{fx.writeFile("t.html", "t"), 2});
        part<QPushButton>(fromWindow, "browse_button")->click();
        part<QCheckBox>(fromWindow, "use_template_check")->setChecked(true);
        part<QPushButton>(fromWindow, "ok_button")->click();
        QVERIFY(frameEntry->isChecked());
        frameEntry->trigger();
        QVERIFY(frameEntry->isChecked());
        QCOMPARE(openDialogs(fx.frame()).size(), 1);
        QVERIFY(openDialogs(fx.frame()).first() != fromWindow);
    }
};

QTEST_MAIN(TestTemplates)
#include "tst_templates.moc"
