#include "app/QtDialogService.h"
#include "files/DocumentFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QTest>

namespace {

// The texts a "Text|pattern|Text|pattern" filter means to show: every other part.
QStringList shownTexts(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList texts;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        texts << parts.at(i);
    return texts;
}

}  // namespace

class TestFileDialog : public QObject {
    Q_OBJECT
private slots:
    void eachFilterIsListedOnceWithItsOwnText_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("index");
        QTest::newRow("open") << DocumentFiles::kOpenFilter << 2;
        QTest::newRow("save") << DocumentFiles::kSaveFilter << 1;
        QTest::newRow("text without its pattern")
            << QStringLiteral("All Files (*.*)|*.*|GIF Files|*.gif") << 2;
    }
    void eachFilterIsListedOnceWithItsOwnText() {
        QFETCH(QString, filter);
        QFETCH(int, index);
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QtDialogService::setFilters(dialog, {filter, index, {}});
        auto* list = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(list);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        QCOMPARE(shown, shownTexts(filter));
        QCOMPARE(list->currentIndex(), index - 1);
        QCOMPARE(QtDialogService::selectedFilterIndex(dialog, filter), index);
        list->setCurrentIndex(0);  // the user picks All Files
        QCOMPARE(QtDialogService::selectedFilterIndex(dialog, filter), 1);
    }
};

QTEST_MAIN(TestFileDialog)
#include "tst_filedialog.moc"
