// The program under the desktop's palette and icon theme.
#include "support/FrameFixture.h"
#include "support/IconTheme.h"

#include "app/StatusLine.h"
#include "app/TagBoxes.h"
#include "app/Toolbar.h"
#include "builders/BuilderRegistry.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "ui/MessageIcons.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QStyle>
#include <QTest>

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
