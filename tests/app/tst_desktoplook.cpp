// The program under the desktop's palette and icon theme.
#include "support/FrameFixture.h"
#include "support/IconTheme.h"

#include "app/QtDialogService.h"
#include "app/StatusLine.h"
#include "app/TagBoxes.h"
#include "app/Toolbar.h"
#include "builders/BuilderRegistry.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "tags/SurroundTagDialog.h"
#include "ui/MessageIcons.h"
#include "ui/ReadableOutlineStyle.h"
#include "ui/TitleWidth.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

namespace {

QPalette darkPalette() {
    QPalette dark;
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::Window, QColor(45, 45, 45)},     {QPalette::WindowText, QColor(224, 224, 224)},
        {QPalette::Base, QColor(30, 30, 30)},       {QPalette::Text, QColor(232, 232, 232)},
        {QPalette::Button, QColor(53, 53, 53)},     {QPalette::ButtonText, QColor(220, 220, 220)},
        {QPalette::Highlight, QColor(110, 40, 40)}, {QPalette::HighlightedText, Qt::white},
        {QPalette::Dark, QColor(20, 20, 20)},       {QPalette::Mid, QColor(35, 35, 35)},
        {QPalette::Light, QColor(70, 70, 70)},      {QPalette::Shadow, Qt::black}};
    for (const auto& [role, color] : roles)
        dark.setColor(role, color);
    return dark;
}

// Puts a palette in force for the life of the object.
class PaletteInUse {
public:
    explicit PaletteInUse(const QPalette& palette) : m_old(QApplication::palette()) {
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
    }
    ~PaletteInUse() { QApplication::setPalette(m_old); }

private:
    QPalette m_old;
};

bool near(const QColor& a, const QColor& b, int tolerance) {
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

int lightness(const QColor& color) {
    return color.toHsl().lightness();
}

// How far the pixel that stands out most lies from both the window's and the field's colour.
int outlineContrast(const QImage& image, const QPalette& palette) {
    const int window = lightness(palette.color(QPalette::Window));
    const int base = lightness(palette.color(QPalette::Base));
    int best = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int shade = lightness(image.pixelColor(x, y));
            best = std::max(best, std::min(qAbs(shade - window), qAbs(shade - base)));
        }
    }
    return best;
}

using ShowDialog = void (*)(QtDialogService&, QWidget* parent);
// clang-format off
const std::pair<const char*, ShowDialog> kDialogs[] = {
    {"message", [](auto& s, auto* p) { s.showMessage(p, {"Text", "Pagelark"}); }},
    {"open", [](auto& s, auto* p) { s.showOpen(p, {"All|*.*", 1, {}}); }},
    {"save", [](auto& s, auto* p) { s.showSave(p, {"All|*.*", 1, {}}); }},
    {"colour", [](auto& s, auto* p) { s.showColor(p, Qt::red); }},
    {"font", [](auto& s, auto* p) { s.showFont(p, FontChoice()); }},
    {"tag", [](auto& s, auto* p) { s.askTag(p); }},
    {"recovery", [](auto& s, auto* p) { s.showRecovery(p, {}); }},
    {"go to line", [](auto& s, auto* p) { s.showGoToLine(p, 10); }}};
// clang-format on

}  // namespace

class TestDesktopLook : public QObject {
    Q_OBJECT
private slots:
    void theWindowsFollowADarkPalette() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        frame.showToolbar(true);
        const QPalette dark = darkPalette();
        const PaletteInUse inUse(dark);

        const QPalette editor = fx.editor()->palette();
        QCOMPARE(editor.color(QPalette::Base), dark.color(QPalette::Base));
        QCOMPARE(editor.color(QPalette::Text), dark.color(QPalette::Text));
        for (QLabel* label : frame.statusLine()->findChildren<QLabel*>()) {
            QCOMPARE(label->palette().color(QPalette::Window), dark.color(QPalette::Window));
            QCOMPARE(label->palette().color(QPalette::WindowText),
                     dark.color(QPalette::WindowText));
        }
        QComboBox* box = frame.toolbar()->tagBoxes().headingBox();
        QCOMPARE(box->palette().color(QPalette::PlaceholderText), dark.color(QPalette::ButtonText));
        // The active window's title bar is drawn from the palette's highlight.
        QMdiSubWindow* sub = fx.active()->subWindow();
        const int title = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
        const QColor drawn = sub->grab().toImage().pixelColor(sub->width() / 2, title / 2);
        QVERIFY2(near(drawn, dark.color(QPalette::Highlight), 40), qPrintable(drawn.name()));
    }

    void coloursTheUserChoseStayUnderADarkPalette() {
        FrameFixture fx;
        fx.prefs().save("Color", "BackColor", QString::number(0xF0FFFF));  // red low byte
        fx.prefs().save("Color", "ForeColor", "0");
        fx.start();
        const PaletteInUse inUse(darkPalette());
        QCOMPARE(fx.editor()->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xF0));
        QCOMPARE(fx.editor()->palette().color(QPalette::Text), QColor(Qt::black));
    }

    void builderBoxesKeepReadableTextOnTheirFixedBackgrounds() {
        FrameFixture fx;
        fx.start();
        const PaletteInUse inUse(darkPalette());
        QDialog* list = fx.program().builders().open(BuilderKind::List);
        QTest::mouseClick(list->findChild<QWidget*>("ordered_option"), Qt::LeftButton);
        for (const char* name : {"numbering_box", "bullet_box"}) {
            const QPalette palette = list->findChild<QWidget*>(name)->palette();
            for (auto group : {QPalette::Active, QPalette::Disabled}) {
                const int contrast = lightness(palette.color(group, QPalette::Base)) -
                                     lightness(palette.color(group, QPalette::Text));
                QVERIFY2(contrast > 100, name);
            }
        }
    }

    // A message asked for by the frame while Find is active, or by no window, went behind.
    void everyDialogBelongsToTheActiveWindowAndComesToTheFront_data() {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<bool>("byFrame");
        for (int i = 0; i < int(std::size(kDialogs)); ++i) {
            QTest::addRow("%s asked by the frame", kDialogs[i].first) << i << true;
            QTest::addRow("%s asked by no window", kDialogs[i].first) << i << false;
        }
    }
    void everyDialogBelongsToTheActiveWindowAndComesToTheFront() {
        QFETCH(int, dialog);
        QFETCH(bool, byFrame);
        QWidget frame;
        frame.show();
        QDialog tool(&frame);  // modeless, as Find
        tool.show();
        QVERIFY(QTest::qWaitForWindowActive(&tool));
        QWidget* owner = nullptr;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                shown && shown->isActiveWindow()) {
                owner = shown->parentWidget();
                shown->reject();
            }
        });
        poll.start(10);
        QtDialogService service;
        kDialogs[dialog].second(service, byFrame ? &frame : nullptr);
        QCOMPARE(owner, &tool);
    }

    // "Surrou…th Tag" under a window manager that centres the title.
    void surroundWithTagIsWideEnoughForItsTitle() {
        SurroundTagDialog surround;
        surround.show();
        QCOMPARE_GE(surround.width(), TitleWidth::needed(surround));
    }

    void outlinesReadOnLightAndDarkPalettes_data() {
        QTest::addColumn<QWidget*>("widget");  // owned by the test function
        QTest::newRow("check box") << static_cast<QWidget*>(new QCheckBox);
        QTest::newRow("radio button") << static_cast<QWidget*>(new QRadioButton);
        QTest::newRow("group box") << static_cast<QWidget*>(new QGroupBox);
        QTest::newRow("field") << static_cast<QWidget*>(new QLineEdit);
    }
    // Empty, these show nothing but their outlines, which vanished on a dark palette.
    void outlinesReadOnLightAndDarkPalettes() {
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
        ReadableOutlineStyle readable;
        QFETCH(QWidget*, widget);
        const std::unique_ptr<QWidget> owned(widget);
        widget->resize(60, 40);
        const auto drawn = [widget](QStyle& style, const QPalette& palette) {
            widget->setStyle(&style);
            widget->setPalette(palette);
            return widget->grab().toImage();
        };
        const QPalette light = fusion->standardPalette();
        QCOMPARE(drawn(readable, light), drawn(*fusion, light));
        QCOMPARE_GE(outlineContrast(drawn(readable, darkPalette()), darkPalette()), 40);
    }

    void messageBoxesShowTheThemesPictures() {
        QMessageBox box;
        const QPixmap withoutTheme = MessageIcons::pixmapFor(MessageIcon::Exclamation, box);
        QVERIFY(!withoutTheme.isNull());
        QVERIFY(MessageIcons::pixmapFor(MessageIcon::None, box).isNull());

        QPixmap warning;
        QPixmap question;
        QImage themed;
        {
            const OneIconTheme theme(QStringLiteral("dialog-warning"),
                                     QStringLiteral(":/toolbar/edit-cut.svg"));
            QVERIFY(theme.isValid());
            warning = MessageIcons::pixmapFor(MessageIcon::Exclamation, box);
            question = MessageIcons::pixmapFor(MessageIcon::Question, box);
            themed = QIcon::fromTheme(QStringLiteral("dialog-warning"))
                         .pixmap(warning.deviceIndependentSize().toSize())
                         .toImage();
        }
        QCOMPARE(warning.toImage(), themed);
        QVERIFY(warning.toImage() != withoutTheme.toImage());
        // What the theme lacks comes from the style.
        QVERIFY(!question.isNull());
    }
};

QTEST_MAIN(TestDesktopLook)
#include "tst_desktoplook.moc"
