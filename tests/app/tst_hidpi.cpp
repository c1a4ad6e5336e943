// The program at scale factor 1.75 on a 1400 x 900 screen (800 x 514 logical pixels): stored
// geometry, the toolbar's pictures and the dialogs.
#include "support/FrameFixture.h"

#include "app/FrameGeometry.h"
#include "app/PictureButton.h"
#include "app/Toolbar.h"
#include "app/Twips.h"
#include "builders/BuilderRegistry.h"
#include "document/DocumentWindow.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr double kScale = 1.75;

void storeGeometry(FrameFixture& fx, const QRect& twips) {
    fx.prefs().save("Size", "main_top", QString::number(twips.top()));
    fx.prefs().save("Size", "main_left", QString::number(twips.left()));
    fx.prefs().save("Size", "main_width", QString::number(twips.width()));
    fx.prefs().save("Size", "main_height", QString::number(twips.height()));
}

QRect storedOnDisk(FrameFixture& fx) {
    QSettings onDisk(fx.settingsPath(), QSettings::IniFormat);
    return QRect(onDisk.value("Size/main_left").toInt(), onDisk.value("Size/main_top").toInt(),
                 onDisk.value("Size/main_width").toInt(), onDisk.value("Size/main_height").toInt());
}

// Whether `part` appears in `whole` pixel for pixel somewhere.
bool containsExactly(const QImage& whole, const QImage& part) {
    const QImage a = whole.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = part.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y + b.height() <= a.height(); ++y) {
        for (int x = 0; x + b.width() <= a.width(); ++x) {
            if (a.copy(x, y, b.width(), b.height()) == b)
                return true;
        }
    }
    return false;
}

}  // namespace

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void theScaleIsInForce() {
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), kScale);
        QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), QSize(800, 514));
    }

    void fittingMovesAndShrinksIntoTheScreen_data() {
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QRect>("fitted");
        const QRect screen(0, 0, 800, 514);
        QTest::newRow("inside stays") << QRect(20, 20, 400, 300) << QRect(20, 20, 400, 300);
        QTest::newRow("too large") << QRect(20, 20, 1099, 760) << screen;
        QTest::newRow("sticks out right") << QRect(700, 10, 300, 200) << QRect(500, 10, 300, 200);
        QTest::newRow("too tall, low") << QRect(10, 400, 300, 600) << QRect(10, 0, 300, 514);
    }
    void fittingMovesAndShrinksIntoTheScreen() {
        QFETCH(QRect, pixels);
        QFETCH(QRect, fitted);
        QCOMPARE(FrameGeometry::fit(pixels, QRect(0, 0, 800, 514)), fitted);
    }

    void aFrameStoredLargerThanTheScreenComesBackInsideIt() {
        FrameFixture fx;
        // 1099 x 760 logical pixels, stored at scale 1 on the same screen.
        const QRect stored(300, 300, 16485, 11400);
        storeGeometry(fx, stored);
        MainFrame& frame = fx.start();
        const QRect screen = frame.screen()->availableGeometry();
        QVERIFY2(screen.contains(frame.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(frame.frameGeometry().x())
                                .arg(frame.frameGeometry().y())
                                .arg(frame.frameGeometry().width())
                                .arg(frame.frameGeometry().height())));
        // Unchanged, it stores what it read, so that scale 1 gets its size back.
        fx.quit();
        QCOMPARE(storedOnDisk(fx), stored);
        fx.start();
        fx.frame().resize(500, 400);
        fx.quit();
        QCOMPARE(storedOnDisk(fx).size(), QSize(Twips::fromPixels(500), Twips::fromPixels(400)));
    }

    void aFrameThatFitsKeepsItsLogicalSizeFromRunToRun() {
        FrameFixture fx;
        const QRect stored(1500, 900, 7999, 6001);  // not whole pixels
        storeGeometry(fx, stored);
        MainFrame& frame = fx.start();
        QCOMPARE(frame.size(), QSize(Twips::toPixels(7999), Twips::toPixels(6001)));
        for (int run = 0; run < 3; ++run)
            fx.restart();
        fx.quit();
        QCOMPARE(storedOnDisk(fx), stored);
    }

    void theToolbarDrawsItsPicturesAtDevicePixels() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        frame.showToolbar(true);
        for (PictureButton* button : frame.toolbar()->findChildren<PictureButton*>()) {
            const QImage icon = button->icon().pixmap(button->iconSize(), kScale).toImage();
            QCOMPARE(icon.size(), button->iconSize() * kScale);
            const QPixmap face = button->pixmap(PictureButton::Picture::Released);
            QCOMPARE(face.devicePixelRatio(), kScale);
            // Copied as drawn, not scaled up from a smaller picture.
            QVERIFY2(containsExactly(face.toImage(), icon), qPrintable(button->objectName()));
        }
    }

    void dialogsFitTheirContentsAndTheScreen() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        for (int kind = 0; kind <= static_cast<int>(BuilderKind::TableData); ++kind)
            fx.program().builders().open(static_cast<BuilderKind>(kind));
        fx.active()->action(Command::OptionsTemplate)->trigger();
        fx.active()->action(Command::EditFind)->trigger();
        fx.active()->action(Command::HelpAbout)->trigger();
        int checked = 0;
        for (QDialog* dialog : frame.findChildren<QDialog*>()) {
            if (!dialog->isVisible())
                continue;
            ++checked;
            const QString name = dialog->objectName();
            QVERIFY2(dialog->width() >= dialog->minimumSizeHint().width(), qPrintable(name));
            QVERIFY2(dialog->height() >= dialog->minimumSizeHint().height(), qPrintable(name));
            QVERIFY2(dialog->screen()->availableGeometry().contains(dialog->frameGeometry()),
                     qPrintable(name));
        }
        QCOMPARE(checked, 12);  // nine builders, Template Options, Find and About
    }
};

int main(int argc, char** argv) {
    // The scale and the screen are chosen before the application starts, as a desktop would.
    QTemporaryDir dir;
    const QString screens = dir.filePath(QStringLiteral("screens.json"));
    QFile config(screens);
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(R"({"screens":[{"name":"wide","x":0,"y":0,"width":1400,"height":900,)"
                     R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})") < 0)
        return 1;
    config.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kScale));
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
