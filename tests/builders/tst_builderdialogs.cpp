#include "builders/BuilderRegistry.h"
#include "support/ScriptedDialogService.h"
#include "tags/InsertionTarget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

Q_DECLARE_METATYPE(BuilderKind)

namespace {

// Records what the builders type and note, with or without an open document.
class FakeTarget : public InsertionTarget {
public:
    bool hasActiveDocument() const override { return documentOpen; }
    void typeKeystrokeScript(const QString& script) override { scripts << script; }
    void showStatusNote(const QString& note) override { notes << note; }

    bool documentOpen = true;
    QStringList scripts;
    QStringList notes;
};

// The dialogs of one kind that were shown, each with what it was shown with.
QList<ScriptedDialogService::Shown> shownOfKind(const ScriptedDialogService& dialogs,
                                                ScriptedDialogService::Kind kind) {
    QList<ScriptedDialogService::Shown> found;
    for (const auto& shown : dialogs.shown()) {
        if (shown.kind == kind)
            found.append(shown);
    }
    return found;
}

const QColor kGrey(0xC0, 0xC0, 0xC0);
const QColor kWhite(0xFF, 0xFF, 0xFF);

}  // namespace

class BuilderDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void namesCaptionsAndButtons_data();
    void namesCaptionsAndButtons();
    void centredOnTheScreenWhenShown();
    void okWithoutDocumentKeepsTheDialog();
    void escapeTypesNothingAndDiscards();
    void anchorLabelFollowsTheKind();
    void anchorEnterActsAsOk();
    void horizontalRuleThroughTheWidgets();
    void horizontalRuleTypedAlignGivesNothing();
    void horizontalRuleUnitButtonsConvert();
    void listBuilderKindsGreyTheirBoxes();
    void listBuilderOkThroughTheWidgets();
    void listItemBuilderKinds();
    void listItemBuilderOkThroughTheWidgets();
    void tableInitialStateAndOk();
    void tableWidthConvertsBetweenUnits();
    void tableRowReadsTheListTexts();
    void tableDataThroughTheWidgets();
    void imageThroughTheWidgets();
    void quickPagePalettePicksColours();
    void quickPageBrowsePicksTheBareName();
    void quickPageOkSendsTheSkeleton();

private:
    QDialog* open(BuilderKind kind);
    template <typename T>
    T* child(const char* name) const;
    void pressOk();

    FakeTarget m_target;
    ScriptedDialogService m_dialogs;
    QPointer<QDialog> m_dialog;
};

QDialog* BuilderDialogsTest::open(BuilderKind kind) {
    m_dialog = createBuilder(kind, m_target, m_dialogs, nullptr);
    return m_dialog;
}

template <typename T>
T* BuilderDialogsTest::child(const char* name) const {
    T* found = m_dialog ? m_dialog->findChild<T*>(QLatin1String(name)) : nullptr;
    if (!found)
        qWarning("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

void BuilderDialogsTest::pressOk() {
    QPushButton* ok = child<QPushButton>("ok_button");
    QVERIFY(ok);
    ok->click();
}

void BuilderDialogsTest::init() {
    m_target = FakeTarget();
    m_dialogs.clear();
}

void BuilderDialogsTest::cleanup() {
    delete m_dialog;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BuilderDialogsTest::namesCaptionsAndButtons_data() {
    QTest::addColumn<BuilderKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("controls");

    QTest::newRow("anchor") << BuilderKind::Anchor << "anchor_builder"
                            << "Anchor"
                            << QStringList{"url_label", "url_field", "href_option", "name_option",
                                           "mailto_option"};
    QTest::newRow("horizontal rule")
        << BuilderKind::HorizontalRule << "horizontal_rule_builder"
        << "Horizontal Rule"
        << QStringList{"align_box",          "noshade_check",        "size_frame",
                       "size_field",         "size_scroll",          "size_percent_option",
                       "size_pixels_option", "width_frame",          "width_field",
                       "width_scroll",       "width_percent_option", "width_pixels_option"};
    QTest::newRow("table") << BuilderKind::TableStart << "table_builder"
                           << "Table" << QStringList{"border_field",         "border_scroll",
                                                     "cellspacing_field",    "cellspacing_scroll",
                                                     "cellpadding_field",    "cellpadding_scroll",
                                                     "caption_field",        "align_box",
                                                     "caption_align_box",    "width_frame",
                                                     "width_field",          "width_scroll",
                                                     "width_percent_option", "width_pixels_option"};
    QTest::newRow("table row") << BuilderKind::TableRow << "table_row_builder"
                               << "Table Row" << QStringList{"align_box", "valign_box"};
    QTest::newRow("table data") << BuilderKind::TableData << "table_data_builder"
                                << "Table data"
                                << QStringList{"data_option",    "header_option", "rowspan_field",
                                               "rowspan_scroll", "colspan_field", "colspan_scroll",
                                               "align_box",      "valign_box",    "width_field",
                                               "width_scroll",   "height_field",  "height_scroll",
                                               "nowrap_check",   "content_field"};
    QTest::newRow("list") << BuilderKind::List << "list_builder"
                          << "List Builder"
                          << QStringList{"ordered_option", "unordered_option", "definition_option",
                                         "numbering_box",  "start_field",      "bullet_box",
                                         "compact_check"};
    QTest::newRow("list item") << BuilderKind::ListItem << "list_item_builder"
                               << "List Item Builder"
                               << QStringList{"ordered_option", "unordered_option",
                                              "term_option",    "definition_option",
                                              "numbering_box",  "value_field",
                                              "bullet_box",     "text_field"};
    QTest::newRow("image") << BuilderKind::Image << "image_builder"
                           << "Images"
                           << QStringList{"file_field",    "description_field", "align_box",
                                          "width_field",   "width_scroll",      "height_field",
                                          "height_scroll", "border_field",      "border_scroll",
                                          "hspace_field",  "hspace_scroll",     "vspace_field",
                                          "vspace_scroll", "ismap_check"};
    QTest::newRow("quick page") << BuilderKind::QuickPage << "quick_page_builder"
                                << "HTML Page Template"
                                << QStringList{"title_field",
                                               "meta_name_field",
                                               "meta_content_field",
                                               "background_color_field",
                                               "text_color_field",
                                               "link_color_field",
                                               "visited_link_color_field",
                                               "active_link_color_field",
                                               "background_file_field",
                                               "background_color_button",
                                               "text_color_button",
                                               "link_color_button",
                                               "visited_link_color_button",
                                               "active_link_color_button",
                                               "background_file_button"};
}

void BuilderDialogsTest::namesCaptionsAndButtons() {
    QFETCH(BuilderKind, kind);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QStringList, controls);

    QDialog* dialog = open(kind);
    QCOMPARE(dialog->objectName(), name);
    QCOMPARE(dialog->windowTitle(), caption);
    QVERIFY(!dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
    for (const QString& control : controls)
        QVERIFY2(dialog->findChild<QWidget*>(control), qPrintable(control));

    auto* okButton = dialog->findChild<QPushButton*>(QStringLiteral("ok_button"));
    auto* cancelButton = dialog->findChild<QPushButton*>(QStringLiteral("cancel_button"));
    QVERIFY(okButton && cancelButton);
    QCOMPARE(okButton->text(), QStringLiteral("OK"));
    QVERIFY(okButton->isDefault());
    QCOMPARE(cancelButton->text(), QStringLiteral("Cancel"));

    // Every numeric field starts empty with its bar's thumb at the bottom end.
    for (QScrollBar* bar :
         dialog->findChildren<QScrollBar*>(QRegularExpression(QStringLiteral("_scroll$")))) {
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->value(), bar->maximum());
    }
    // Every label that introduces a box has it as its buddy.
    for (QLabel* label : dialog->findChildren<QLabel*>())
        QVERIFY2(label->buddy(), qPrintable(label->text()));
}

void BuilderDialogsTest::centredOnTheScreenWhenShown() {
    QDialog* dialog = open(BuilderKind::Anchor);
    dialog->show();
    const QRect screen = dialog->screen()->geometry();
    QVERIFY(qAbs(dialog->x() - (screen.width() - dialog->width()) / 2) <= 1);
    QVERIFY(qAbs(dialog->y() - (screen.height() - dialog->height()) / 2) <= 1);
}

void BuilderDialogsTest::okWithoutDocumentKeepsTheDialog() {
    open(BuilderKind::Anchor)->show();
    child<QLineEdit>("url_field")->setText(QStringLiteral("index.html"));
    m_target.documentOpen = false;
    pressOk();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_dialog);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_target.scripts, QStringList());
    QCOMPARE(m_target.notes.size(), 1);
    QVERIFY(m_target.notes.first().startsWith(u' '));
    QCOMPARE(child<QLineEdit>("url_field")->text(), QStringLiteral("index.html"));

    m_target.documentOpen = true;
    pressOk();
    QCOMPARE(m_target.scripts, QStringList{"<a href=+'index.html+'></a>{left 4}"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_dialog);
}

void BuilderDialogsTest::escapeTypesNothingAndDiscards() {
    open(BuilderKind::TableStart)->show();
    child<QLineEdit>("caption_field")->setText(QStringLiteral("Prices"));
    QTest::keyClick(m_dialog, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_dialog);
    QCOMPARE(m_target.scripts, QStringList());

    open(BuilderKind::TableRow)->show();
    child<QPushButton>("cancel_button")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_dialog);
    QCOMPARE(m_target.scripts, QStringList());
}

void BuilderDialogsTest::anchorLabelFollowsTheKind() {
    open(BuilderKind::Anchor);
    auto* label = child<QLabel>("url_label");
    auto* text = child<QLineEdit>("url_field");
    QCOMPARE(label->text(), QStringLiteral("Href="));
    QCOMPARE(label->buddy(), text);
    QVERIFY(child<QRadioButton>("href_option")->isChecked());
    QCOMPARE(child<QRadioButton>("href_option")->text(), QStringLiteral("&Href="));
    QCOMPARE(child<QRadioButton>("name_option")->text(), QStringLiteral("&Name="));
    QCOMPARE(child<QRadioButton>("mailto_option")->text(), QStringLiteral("&Mailto:"));
    QCOMPARE(text->text(), QString());

    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog));
    QCOMPARE(QApplication::focusWidget(), text);
    QTest::mouseClick(child<QRadioButton>("mailto_option"), Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("Href=Mailto:"));
    QCOMPARE(QApplication::focusWidget(), child<QRadioButton>("mailto_option"));
    QTest::mouseClick(child<QRadioButton>("name_option"), Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("Name="));
    QCOMPARE(QApplication::focusWidget(), text);
    QTest::mouseClick(child<QRadioButton>("mailto_option"), Qt::LeftButton);
    QTest::mouseClick(child<QRadioButton>("href_option"), Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("Href="));
    QCOMPARE(QApplication::focusWidget(), text);
}

void BuilderDialogsTest::anchorEnterActsAsOk() {
    open(BuilderKind::Anchor)->show();
    child<QRadioButton>("mailto_option")->setChecked(true);
    QTest::keyClicks(child<QLineEdit>("url_field"), QStringLiteral("webmaster"));
    QTest::keyClick(child<QLineEdit>("url_field"), Qt::Key_Return);
    QCOMPARE(m_target.scripts, QStringList{"<a href=+'Mailto:webmaster+'></a>{left 4}"});
}

void BuilderDialogsTest::horizontalRuleThroughTheWidgets() {
    open(BuilderKind::HorizontalRule);
    auto* align = child<QComboBox>("align_box");
    QCOMPARE(align->currentText(), QString());
    QCOMPARE(align->count(), 4);
    QCOMPARE(align->itemText(2), QStringLiteral("center"));
    QVERIFY(align->isEditable());
    QVERIFY(child<QRadioButton>("size_percent_option")->isChecked());
    QVERIFY(child<QRadioButton>("width_percent_option")->isChecked());
    QCOMPARE(child<QRadioButton>("size_pixels_option")->text(), QStringLiteral("Pi&xels"));
    QCOMPARE(child<QRadioButton>("width_pixels_option")->text(), QStringLiteral("Pixe&ls"));

    align->setCurrentIndex(2);
    child<QCheckBox>("noshade_check")->setChecked(true);
    child<QRadioButton>("size_pixels_option")->setChecked(true);
    QCOMPARE(child<QLineEdit>("size_field")->text(), QStringLiteral("0"));
    child<QLineEdit>("size_field")->setText(QStringLiteral("5"));
    QTest::keyClicks(child<QLineEdit>("width_field"), QStringLiteral("50"));
    QCOMPARE(child<QScrollBar>("width_scroll")->value(), 100);  // typing leaves the bar
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<hr", " align=+'center+'", " noshade", " size=+'5+'",
                                            " width=+'50{%}+'", ">"}));
}

void BuilderDialogsTest::horizontalRuleTypedAlignGivesNothing() {
    open(BuilderKind::HorizontalRule);
    auto* align = child<QComboBox>("align_box");
    align->setCurrentIndex(1);
    // The user then types over the picked item: a typed word is not a choice, even "center".
    align->lineEdit()->selectAll();
    QTest::keyClicks(align->lineEdit(), QStringLiteral("center"));
    QCOMPARE(align->currentText(), QStringLiteral("center"));
    // Leaving the box makes Qt look the typed text up among the items; that is no choice either.
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(align, &leave);
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<hr", ">"}));
}

void BuilderDialogsTest::horizontalRuleUnitButtonsConvert() {
    open(BuilderKind::HorizontalRule);
    QTest::keyClicks(child<QLineEdit>("width_field"), QStringLiteral("33"));
    child<QRadioButton>("width_pixels_option")->setChecked(true);
    QCOMPARE(child<QLineEdit>("width_field")->text(), QStringLiteral("211.2"));
    QCOMPARE(child<QScrollBar>("width_scroll")->maximum(), 10000);
    QCOMPARE(child<QLineEdit>("size_field")->text(), QString());  // the other field is untouched
    child<QRadioButton>("width_percent_option")->setChecked(true);
    QCOMPARE(child<QLineEdit>("width_field")->text(), QStringLiteral("33"));
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<hr", " width=+'33{%}+'", ">"}));
}

void BuilderDialogsTest::listBuilderKindsGreyTheirBoxes() {
    open(BuilderKind::List);
    auto* numbering = child<QComboBox>("numbering_box");
    auto* start = child<QLineEdit>("start_field");
    auto* bullet = child<QComboBox>("bullet_box");
    auto* compact = child<QCheckBox>("compact_check");
    QVERIFY(child<QRadioButton>("ordered_option")->isChecked());
    QCOMPARE(start->text(), QStringLiteral("1"));
    QCOMPARE(numbering->itemText(0), QStringLiteral("None"));
    QCOMPARE(numbering->itemText(4), QStringLiteral("i - Lower case Roman Numerals  i,ii,iii,..."));
    QCOMPARE(bullet->itemText(0), QStringLiteral("disc"));
    QVERIFY(numbering->isEnabled() && start->isEnabled() && compact->isEnabled());
    QCOMPARE(numbering->palette().color(QPalette::Base), kWhite);
    QVERIFY(!bullet->isEnabled());
    QCOMPARE(bullet->palette().color(QPalette::Base), kGrey);

    numbering->setCurrentIndex(2);
    child<QRadioButton>("unordered_option")->setChecked(true);
    QCOMPARE(numbering->currentText(), QString());
    QVERIFY(!numbering->isEnabled());
    QCOMPARE(numbering->palette().color(QPalette::Base), kGrey);
    QCOMPARE(start->text(), QString());
    QCOMPARE(start->palette().color(QPalette::Base), kGrey);
    QVERIFY(bullet->isEnabled());
    QCOMPARE(bullet->palette().color(QPalette::Base), kWhite);

    bullet->setCurrentIndex(1);
    compact->setChecked(true);
    child<QRadioButton>("definition_option")->setChecked(true);
    QVERIFY(!compact->isChecked() && !compact->isEnabled());
    QCOMPARE(bullet->currentText(), QString());
    QCOMPARE(bullet->palette().color(QPalette::Base), kGrey);

    child<QRadioButton>("ordered_option")->setChecked(true);
    QCOMPARE(start->text(), QString());  // not refilled
    QVERIFY(start->isEnabled() && compact->isEnabled());
    QCOMPARE(start->palette().color(QPalette::Base), kWhite);
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<ol", "></ol>{left 5}"}));
}

void BuilderDialogsTest::listBuilderOkThroughTheWidgets() {
    open(BuilderKind::List);
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<ol", " start=+'1+'", "></ol>{left 5}"}));

    m_target.scripts.clear();
    open(BuilderKind::List);
    child<QRadioButton>("unordered_option")->setChecked(true);
    child<QComboBox>("bullet_box")->setCurrentIndex(1);
    child<QCheckBox>("compact_check")->setChecked(true);
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<ul", " type=square", " compact", "></ul>{left 5}"}));
}

void BuilderDialogsTest::listItemBuilderKinds() {
    open(BuilderKind::ListItem);
    auto* numbering = child<QComboBox>("numbering_box");
    auto* value = child<QLineEdit>("value_field");
    auto* bullet = child<QComboBox>("bullet_box");
    auto* text = child<QPlainTextEdit>("text_field");
    QCOMPARE(numbering->itemText(0), QStringLiteral("none"));
    QCOMPARE(bullet->itemText(0), QStringLiteral("none"));
    QCOMPARE(bullet->itemText(3), QStringLiteral("circle"));
    QCOMPARE(value->text(), QStringLiteral("1"));
    QCOMPARE(bullet->palette().color(QPalette::Base), kGrey);
    QCOMPARE(text->palette().color(QPalette::Base), kWhite);

    child<QRadioButton>("unordered_option")->setChecked(true);
    QVERIFY(bullet->isEnabled() && !numbering->isEnabled() && !value->isEnabled());
    QCOMPARE(value->text(), QString());
    bullet->setCurrentIndex(3);
    child<QRadioButton>("definition_option")->setChecked(true);
    QVERIFY(!bullet->isEnabled());
    QCOMPARE(bullet->currentText(), QString());
    QCOMPARE(bullet->palette().color(QPalette::Base), kGrey);
    QVERIFY(text->isEnabled());
    QCOMPARE(text->palette().color(QPalette::Base), kWhite);
}

void BuilderDialogsTest::listItemBuilderOkThroughTheWidgets() {
    open(BuilderKind::ListItem);
    QTest::keyClicks(child<QPlainTextEdit>("text_field"), QStringLiteral("Apple"));
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<li", " value=+'1+'", ">Apple</li>{left 5}"}));

    m_target.scripts.clear();
    open(BuilderKind::ListItem);
    child<QRadioButton>("term_option")->setChecked(true);
    auto* text = child<QPlainTextEdit>("text_field");
    QTest::keyClicks(text, QStringLiteral("Pear"));
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, QStringLiteral("(ripe)"));
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<dt", ">Pear~{(}ripe{)}</dt>{left 5}"}));
}

void BuilderDialogsTest::tableInitialStateAndOk() {
    open(BuilderKind::TableStart);
    QCOMPARE(child<QComboBox>("align_box")->currentIndex(), -1);
    QCOMPARE(child<QComboBox>("caption_align_box")->currentIndex(), -1);
    QCOMPARE(child<QComboBox>("caption_align_box")->itemText(2), QStringLiteral("bottom"));
    QVERIFY(child<QRadioButton>("width_percent_option")->isChecked());
    QCOMPARE(child<QGroupBox>("width_frame")->title(), QStringLiteral("Width="));
    QCOMPARE(child<QScrollBar>("width_scroll")->maximum(), 100);

    child<QScrollBar>("border_scroll")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(child<QLineEdit>("border_field")->text(), QStringLiteral("1"));
    child<QScrollBar>("cellspacing_scroll")->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(child<QLineEdit>("cellspacing_field")->text(), QStringLiteral("10"));
    QTest::keyClicks(child<QLineEdit>("cellpadding_field"), QStringLiteral("150"));
    QCOMPARE(child<QLineEdit>("cellpadding_field")->text(), QStringLiteral("100"));
    QTest::keyClicks(child<QLineEdit>("width_field"), QStringLiteral("50"));
    child<QComboBox>("align_box")->setCurrentIndex(2);
    child<QComboBox>("caption_align_box")->setCurrentIndex(2);
    child<QLineEdit>("caption_field")->setText(QStringLiteral("Prices"));
    pressOk();
    QCOMPARE(
        m_target.scripts,
        (QStringList{"<table", " align=+'center+'", " border=\"1\"", " cellspacing=\"10\"",
                     " cellpadding=\"100\"", " width=\"50{%}\"", ">~",
                     "<caption align=+'bottom+'>Prices</caption>~~", "</table>{home}{up}{end}"}));
}

void BuilderDialogsTest::tableWidthConvertsBetweenUnits() {
    open(BuilderKind::TableStart);
    auto* width = child<QLineEdit>("width_field");
    child<QRadioButton>("width_pixels_option")->setChecked(true);
    QCOMPARE(width->text(), QStringLiteral("0"));
    width->clear();
    QTest::keyClicks(width, QStringLiteral("320"));
    child<QRadioButton>("width_percent_option")->setChecked(true);
    QCOMPARE(width->text(), QStringLiteral("50"));
    child<QRadioButton>("width_pixels_option")->setChecked(true);
    QCOMPARE(width->text(), QStringLiteral("320"));
    pressOk();
    QCOMPARE(m_target.scripts,
             (QStringList{"<table", " width=\"320\"", ">~", "~", "</table>{home}{up}{end}"}));
}

void BuilderDialogsTest::tableRowReadsTheListTexts() {
    open(BuilderKind::TableRow);
    QCOMPARE(child<QComboBox>("align_box")->currentText(), QString());
    child<QComboBox>("align_box")->setCurrentIndex(1);
    child<QComboBox>("valign_box")->setCurrentIndex(0);
    pressOk();
    QCOMPARE(m_target.scripts,
             (QStringList{"<tr", " align=\"center\"", " valign=\"top\"", "></tr>{left 5}"}));

    m_target.scripts.clear();
    open(BuilderKind::TableRow);
    QTest::keyClicks(child<QComboBox>("align_box")->lineEdit(), QStringLiteral("justify"));
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<tr", " align=\"justify\"", "></tr>{left 5}"}));
}

void BuilderDialogsTest::tableDataThroughTheWidgets() {
    open(BuilderKind::TableData);
    QVERIFY(child<QRadioButton>("data_option")->isChecked());
    QCOMPARE(child<QRadioButton>("header_option")->text(), QStringLiteral("Table &header"));
    QCOMPARE(child<QScrollBar>("width_scroll")->maximum(), 10000);
    QCOMPARE(child<QScrollBar>("width_scroll")->pageStep(), 100);
    child<QScrollBar>("width_scroll")->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(child<QLineEdit>("width_field")->text(), QStringLiteral("100"));
    QTest::keyClicks(child<QLineEdit>("height_field"), QStringLiteral("20000"));
    QCOMPARE(child<QLineEdit>("height_field")->text(), QStringLiteral("10000"));

    child<QRadioButton>("header_option")->setChecked(true);
    child<QCheckBox>("nowrap_check")->setChecked(true);
    child<QComboBox>("valign_box")->setCurrentIndex(1);
    child<QLineEdit>("content_field")->setText(QStringLiteral("Name"));
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<th", " valign=\"middle\"", " width=\"100\"",
                                            " height=\"10000\"", " nowrap", ">Name</th>{left 5}"}));
}

void BuilderDialogsTest::imageThroughTheWidgets() {
    open(BuilderKind::Image);
    QCOMPARE(child<QComboBox>("align_box")->currentIndex(), -1);
    QCOMPARE(child<QComboBox>("align_box")->itemText(5), QStringLiteral("right"));
    QTest::keyClicks(child<QLineEdit>("width_field"), QStringLiteral("5000"));
    QCOMPARE(child<QLineEdit>("width_field")->text(), QStringLiteral("1200"));
    QTest::keyClicks(child<QLineEdit>("height_field"),
                     QStringLiteral("0"));  // stays "0", no attribute
    QCOMPARE(child<QLineEdit>("height_field")->text(), QStringLiteral("0"));
    child<QScrollBar>("border_scroll")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    child<QScrollBar>("hspace_scroll")->triggerAction(QAbstractSlider::SliderPageStepSub);
    child<QLineEdit>("file_field")->setText(QStringLiteral("logo.gif"));
    child<QCheckBox>("ismap_check")->setChecked(true);
    child<QComboBox>("align_box")->setCurrentIndex(4);
    pressOk();
    QCOMPARE(m_target.scripts,
             (QStringList{"<img src=+'logo.gif+'", " ismap", " align=+'left+'", " width=+'1200+'",
                          " border=+'1+'", " hspace=+'100+'", ">"}));
}

void BuilderDialogsTest::quickPagePalettePicksColours() {
    open(BuilderKind::QuickPage);
    for (const std::optional<QColor> answer :
         {std::optional<QColor>(), std::optional<QColor>(QColor(255, 255, 255)),
          std::optional<QColor>(QColor(1, 2, 3)), std::optional<QColor>()})
        m_dialogs.answerColor(answer);
    child<QPushButton>("background_color_button")->click();  // cancelled before any pick: black
    QCOMPARE(child<QLineEdit>("background_color_field")->text(), QStringLiteral("000000"));
    child<QPushButton>("background_color_button")->click();
    QCOMPARE(child<QLineEdit>("background_color_field")->text(), QStringLiteral("FFFFFF"));
    child<QPushButton>("text_color_button")->click();
    QCOMPARE(child<QLineEdit>("text_color_field")->text(), QStringLiteral("010203"));
    child<QPushButton>("active_link_color_button")
        ->click();  // cancelled: the colour the dialog still holds
    QCOMPARE(child<QLineEdit>("active_link_color_field")->text(), QStringLiteral("010203"));
    QCOMPARE(child<QPushButton>("active_link_color_button")->text(), QStringLiteral("Palette"));
    // One dialog object serves every button, so each starts from the last colour returned.
    QCOMPARE(shownOfKind(m_dialogs, ScriptedDialogService::Kind::Color).last().color,
             QColor(1, 2, 3));
}

void BuilderDialogsTest::quickPageBrowsePicksTheBareName() {
    open(BuilderKind::QuickPage);
    auto* browse = child<QPushButton>("background_file_button");
    QCOMPARE(browse->text(), QStringLiteral("Browse"));
    browse->click();  // cancelled with nothing chosen yet
    QCOMPARE(child<QLineEdit>("background_file_field")->text(), QString());

    m_dialogs.answerFile(FileDialogResult{QStringLiteral("/home/ann/site/img/back.gif"), 2});
    m_dialogs.answerFile(std::nullopt);
    browse->click();
    QCOMPARE(child<QLineEdit>("background_file_field")->text(), QStringLiteral("back.gif"));
    browse->click();  // cancelled: the name the dialog still holds
    QCOMPARE(child<QLineEdit>("background_file_field")->text(), QStringLiteral("back.gif"));

    const auto opened = shownOfKind(m_dialogs, ScriptedDialogService::Kind::Open);
    QCOMPARE(opened.size(), 3);
    for (const auto& shown : opened) {
        const FileDialogRequest& request = shown.file;
        QCOMPARE(request.filter,
                 QStringLiteral("All Files (*.*)|*.*|GIF Files|*.gif|JPEG Files|*.jpg"));
        QCOMPARE(request.filterIndex, 2);
    }
}

void BuilderDialogsTest::quickPageOkSendsTheSkeleton() {
    open(BuilderKind::QuickPage);
    m_dialogs.answerColor(QColor(0, 0, 128));
    child<QPushButton>("background_color_button")->click();
    child<QLineEdit>("title_field")->setText(QStringLiteral("Home"));
    child<QLineEdit>("meta_content_field")->setText(QStringLiteral("words"));
    child<QLineEdit>("text_color_field")->setText(QStringLiteral("#FF0000"));
    pressOk();
    QCOMPARE(m_target.scripts,
             (QStringList{"<!DOCTYPE HTML PUBLIC +'-//W3C//DTD HTML 3.2 Final//EN+'>~~", "<html>~~",
                          "<head>~~", "<title>Home</title>~~", "<META CONTENT=+'words+'>~~",
                          "</head>~~", "<body", " bgcolor=+'000080+'", " text=+'#FF0000+'",
                          ">~~~~~~~~~~~", "</body>~~", "</html>"}));
}

QTEST_MAIN(BuilderDialogsTest)
#include "tst_builderdialogs.moc"
