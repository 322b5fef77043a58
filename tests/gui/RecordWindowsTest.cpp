// The record view and the deletion window, driven by their controls'
// names: what they list for a record file, and what erasing does to the
// list and to the file.

#include <sys/stat.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <ostream>
#include <string>
#include <vector>

#include "DrillWindowTest.h"
#include "records/ui/TfrmDelete.h"
#include "records/ui/TfrmKiroku.h"

namespace {

using Lines = std::vector<std::string>;

// What the test does with the deletion window.
constexpr int kNoDeletionWindow = -3;
constexpr int kCloseAtOnce = -2;
constexpr int kEraseNothingChosen = -1;  // 消去 with no unit chosen, then close
// 0, 1, …: choose that unit, 消去, close.
constexpr int kEraseFirstThenPressAgain = 10;  // choose unit 0, 消去 twice, close

struct RecordCase {
    const char* name;
    const char* file;  // the record file as UTF-8 text, nullptr when missing
    bool readOnly;
    int deletion;
    Lines listing;              // the view when it opens
    Lines offered;              // the deletion window when it opens
    Lines offeredAfter;         // the deletion window when it closes
    Lines listingAfter;         // the view after the deletion window
    Lines messages;             // "%s" stands for the record file's path
    const char* fileAfter;      // nullptr: the file is as it was
    const char* fileWhileOpen;  // written while the deletion window is open
};

void PrintTo(const RecordCase& c, std::ostream* os) {
    *os << c.name;
}

const char* const kTwoUnits =
    "[２元１次連立方程式]\r\n1=2\r\nDATE=2024年05月07日09:05\r\n3=1\r\n"
    "[３元１次連立方程式]\r\n2=1\r\nDATE=2024年05月08日10:00\r\n";
const Lines kTwoUnitsListed = {"２元１次連立方程式", "2024年05月07日09:05", "  1★★", "  2", "  3★",
                               "３元１次連立方程式", "2024年05月08日10:00", "  1",   "  2★"};
const Lines kNothingListed = {"２元１次連立方程式", "  1", "  2", "  3",
                              "３元１次連立方程式", "  1", "  2"};
const Lines kBothUnits = {"２元１次連立方程式", "３元１次連立方程式"};

class RecordWindowsTest : public DrillWindowTest, public ::testing::WithParamInterface<RecordCase> {
  protected:
    void startWithTwoUnits() {
        startProgram({{"x+y=3;x-y=1", "x+y=4;x-y=2", "x+y=5;x-y=3"},
                      {"x+y+z=3;x-y=0;z=1", "x+y+z=6;x-y=0;z=2"}});
        path = QString::fromStdString(recordFilePath(paths));
    }
    void writeRecords(const char* utf8) const {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray::fromStdString(utf8ToCp932(utf8).value()));
    }
    QByteArray recordBytes() const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static Lines items(QListWidget* list) {
        Lines out;
        for (int i = 0; i < list->count(); ++i)
            out.push_back(list->item(i)->text().toStdString());
        return out;
    }
    Lines withPath(Lines lines) const {
        for (std::string& line : lines)
            if (auto at = line.find("%s"); at != std::string::npos)
                line.replace(at, 2, path.toStdString());
        return lines;
    }

    QString path;
};

TEST_P(RecordWindowsTest, ListsAndErasesAsTheRecordFileSays) {
    const RecordCase& c = GetParam();
    startWithTwoUnits();
    if (c.file)
        writeRecords(c.file);
    if (c.readOnly) {
        ASSERT_EQ(::chmod(path.toLocal8Bit().constData(), 0444), 0);
    }
    const QByteArray before = recordBytes();

    auto* view = frmMain->findChild<TfrmKiroku*>("frmKiroku");
    ASSERT_NE(view, nullptr);
    view->show();
    auto* listing = view->findChild<QListWidget*>("lstTitle");
    ASSERT_NE(listing, nullptr);
    EXPECT_EQ(items(listing), c.listing);

    if (c.deletion != kNoDeletionWindow) {
        withModal(
            [view] {
                QTest::mouseClick(view->findChild<QPushButton*>("btnDelete"), Qt::LeftButton);
            },
            [&](QWidget* modal) {
                EXPECT_EQ(modal->objectName(), "frmDelete");
                auto* units = modal->findChild<QListWidget*>("lstTitle");
                EXPECT_EQ(items(units), c.offered);
                if (c.fileWhileOpen)
                    writeRecords(c.fileWhileOpen);
                auto* erase = modal->findChild<QPushButton*>("btnDeleteOne");
                const bool twice = c.deletion == kEraseFirstThenPressAgain;
                if (c.deletion >= 0)
                    units->setCurrentRow(twice ? 0 : c.deletion);
                if (c.deletion >= kEraseNothingChosen)
                    QTest::mouseClick(erase, Qt::LeftButton);
                if (twice)
                    QTest::mouseClick(erase, Qt::LeftButton);
                EXPECT_EQ(items(units), c.offeredAfter);
                QTest::mouseClick(modal->findChild<QPushButton*>("btnClose"), Qt::LeftButton);
            });
        EXPECT_EQ(items(listing), c.listingAfter);
    }
    EXPECT_EQ(ui.messages(), withPath(c.messages));
    if (c.fileAfter) {
        EXPECT_EQ(recordBytes().toStdString(), utf8ToCp932(c.fileAfter).value());
    } else if (!c.fileWhileOpen) {
        EXPECT_EQ(recordBytes(), before);
    }
    view->hide();
}

INSTANTIATE_TEST_SUITE_P(
    Records, RecordWindowsTest,
    ::testing::Values(RecordCase{"NoFile",
                                 nullptr,
                                 false,
                                 kCloseAtOnce,
                                 kNothingListed,
                                 {},
                                 {},
                                 kNothingListed,
                                 {},
                                 nullptr,
                                 nullptr},
                      RecordCase{"EmptyFile",
                                 "",
                                 false,
                                 kEraseNothingChosen,
                                 kNothingListed,
                                 {},
                                 {},
                                 kNothingListed,
                                 {"消去する単元を選んでください"},
                                 nullptr,
                                 nullptr},
                      RecordCase{"TwelveStars",
                                 "[３元１次連立方程式]\r\n1=12\r\nDATE=2024年05月07日09:05\r\n",
                                 false,
                                 kNoDeletionWindow,
                                 {"２元１次連立方程式", "  1", "  2", "  3", "３元１次連立方程式",
                                  "2024年05月07日09:05", "  1★★★★★★★★★★★★", "  2"},
                                 {},
                                 {},
                                 {},
                                 {},
                                 nullptr,
                                 nullptr},
                      RecordCase{"EraseAndRefresh",
                                 kTwoUnits,
                                 false,
                                 0,
                                 kTwoUnitsListed,
                                 kBothUnits,
                                 {"３元１次連立方程式"},
                                 {"２元１次連立方程式", "  1", "  2", "  3", "３元１次連立方程式",
                                  "2024年05月08日10:00", "  1", "  2★"},
                                 {},
                                 "[３元１次連立方程式]\r\n2=1\r\nDATE=2024年05月08日10:00\r\n",
                                 nullptr},
                      // The unit that moves up is not erased by a second click.
                      RecordCase{"SecondEraseNeedsAChoice",
                                 kTwoUnits,
                                 false,
                                 kEraseFirstThenPressAgain,
                                 kTwoUnitsListed,
                                 kBothUnits,
                                 {"３元１次連立方程式"},
                                 {"２元１次連立方程式", "  1", "  2", "  3", "３元１次連立方程式",
                                  "2024年05月08日10:00", "  1", "  2★"},
                                 {"消去する単元を選んでください"},
                                 "[３元１次連立方程式]\r\n2=1\r\nDATE=2024年05月08日10:00\r\n",
                                 nullptr},
                      // Closing without erasing lists nothing again, even when the file
                      // changed meanwhile.
                      RecordCase{"CloseWithoutErasingKeepsTheListing",
                                 kTwoUnits,
                                 false,
                                 kCloseAtOnce,
                                 kTwoUnitsListed,
                                 kBothUnits,
                                 kBothUnits,
                                 kTwoUnitsListed,
                                 {},
                                 nullptr,
                                 ""},
                      RecordCase{
                          "CountThatIsNotAnInteger",
                          "[２元１次連立方程式]\r\n1=1\r\n2=abc\r\nDATE=2024年05月07日09:05\r\n",
                          false,
                          kNoDeletionWindow,
                          {"２元１次連立方程式", "2024年05月07日09:05", "  1★"},
                          {},
                          {},
                          {},
                          {"'abc' は整数ではありません"},
                          nullptr,
                          nullptr},
                      RecordCase{"ReadOnlyRecordFile",
                                 kTwoUnits,
                                 true,
                                 1,
                                 kTwoUnitsListed,
                                 kBothUnits,
                                 kBothUnits,
                                 kTwoUnitsListed,
                                 {"%s に書き込めません"},
                                 nullptr,
                                 nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

class RecordMenuTest : public RecordWindowsTest {};

TEST_F(RecordMenuTest, ViewOpensFromTheMenuAndClosesWithOk) {
    startWithTwoUnits();
    writeRecords(kTwoUnits);
    auto* item = frmMain->findChild<QAction*>("mnuRecord");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "記録(&R)");
    withModal([item] { item->trigger(); },
              [&](QWidget* modal) {
                  EXPECT_EQ(modal->objectName(), "frmKiroku");
                  EXPECT_EQ(modal->windowTitle(), "練習の記録");
                  EXPECT_EQ(items(modal->findChild<QListWidget*>("lstTitle")), kTwoUnitsListed);
                  auto* close = modal->findChild<QPushButton*>("btnClose");
                  EXPECT_EQ(close->text(), "閉じる");
                  QTest::mouseClick(close, Qt::LeftButton);
                  EXPECT_EQ(static_cast<QDialog*>(modal)->result(), 1);
              });
}

TEST_F(RecordMenuTest, DeletionWindowClosedByEscAfterAnEraseStillRefreshesTheView) {
    startWithTwoUnits();
    writeRecords(kTwoUnits);
    frmKiroku->show();
    withModal([] { QTest::mouseClick(frmKiroku->btnDelete, Qt::LeftButton); },
              [&](QWidget* modal) {
                  auto* units = modal->findChild<QListWidget*>("lstTitle");
                  units->setCurrentRow(1);
                  QTest::mouseClick(modal->findChild<QPushButton*>("btnDeleteOne"), Qt::LeftButton);
                  QTest::keyClick(modal, Qt::Key_Escape);
                  EXPECT_EQ(static_cast<QDialog*>(modal)->result(), 1);
              });
    EXPECT_EQ(items(frmKiroku->lstTitle),
              (Lines{"２元１次連立方程式", "2024年05月07日09:05", "  1★★", "  2", "  3★",
                     "３元１次連立方程式", "  1", "  2"}));
    frmKiroku->hide();
}

}  // namespace
