// Whole adjustment runs through the real window: a click on 平差计算, every
// modal prompt answered as a user would (OK, Enter, Cancel, Escape, closing
// the prompt), the fields checked at every prompt against what the dialogue
// wrote, the retry message and its way to stop the run, and the end of the
// program by 终止计算 or by closing the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <map>
#include <string>
#include <vector>

#include "entry/dialogue_script.h"
#include "entry/run.h"
#include "ui/texts/dialogue.h"
#include "ui/texts/printer.h"
#include "ui/texts/report.h"
#include "window_driver.h"

namespace koravel::testing {
namespace {

// What the dialogue shows, modal by modal, when it runs on the scripted
// toolkit with the same replies: the message and the fields behind it.
std::vector<std::pair<std::string, FieldTexts>> ScriptedModals(const std::vector<std::string>& replies) {
  ScriptedToolkit toolkit(replies);
  TraverseRecord record;
  RunAdjustment(toolkit, record);
  std::vector<std::pair<std::string, FieldTexts>> out;
  FieldTexts fields;
  for (const Event& e : toolkit.events()) {
    if (e.kind == Event::Kind::kField) fields[static_cast<int>(e.field) - 1] = e.text;
    if (e.kind == Event::Kind::kPrompt || e.kind == Event::Kind::kNotice) out.emplace_back(e.text, fields);
  }
  return out;
}

// The replies as the dialogue receives them: Cancel, Escape and closing give
// the empty text; message boxes take no reply.
std::vector<std::string> AsDialogueReplies(const std::vector<Reply>& replies) {
  std::vector<std::string> out;
  for (const Reply& r : replies) {
    switch (r.how) {
      case Answer::kOkButton:
      case Answer::kEnterKey: out.push_back(r.text); break;
      case Answer::kCancelButton:
      case Answer::kEscapeKey:
      case Answer::kCloseBox: out.emplace_back(); break;
      default: break;
    }
  }
  return out;
}

// The worked example's replies, given in every way a prompt can be answered.
std::vector<Reply> WorkedExampleReplies() {
  std::vector<Reply> replies;
  for (const std::string& text : Replies(WorkedExample())) replies.push_back({text, Answer::kEnterKey});
  replies[0].how = Answer::kOkButton;   // N
  replies[2].how = Answer::kCancelButton;  // confirm Xa
  replies[4].how = Answer::kCloseBox;   // confirm Ya
  replies[6].how = Answer::kEscapeKey;  // confirm Xb
  replies[8].how = Answer::kOkButton;   // confirm Yb
  const std::size_t n = replies.size();
  replies[n - 3] = {"0", Answer::kEnterKey};  // the pauses: zero, Cancel, closing
  replies[n - 2] = {"", Answer::kCancelButton};
  replies[n - 1] = {"", Answer::kCloseBox};
  return replies;
}

QPushButton* Button(MainWindow& window, const char* name) {
  return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

std::string Text(MainWindow& window, Field f) { return window.field(f)->text().toStdString(); }

class WindowRun : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.ShowAtStart();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }
  // Clicks 平差计算 and answers every modal of the run; returns when the run
  // is over.
  ModalDriver& Run(std::vector<Reply> replies) {
    driver_ = std::make_unique<ModalDriver>(window_, std::move(replies));
    QTest::mouseClick(Button(window_, "Command1"), Qt::LeftButton);
    return *driver_;
  }

  MainWindow window_;
  std::unique_ptr<ModalDriver> driver_;
};

TEST_F(WindowRun, WorkedExampleShowsEveryFieldAsItGoesAndTheResultsAtTheEnd) {
  const std::vector<Reply> replies = WorkedExampleReplies();
  const ModalDriver& driver = Run(replies);

  EXPECT_EQ(driver.unanswered(), 0);
  EXPECT_EQ(driver.mismatched(), 0);
  EXPECT_EQ(driver.unusedReplies(), 0u);
  ASSERT_TRUE(window_.record().complete);

  // Modal by modal, the window shows what the dialogue wrote before it.
  const auto expected = ScriptedModals(AsDialogueReplies(replies));
  ASSERT_EQ(driver.shown().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("modal " + std::to_string(i) + ": " + expected[i].first);
    const Shown& s = driver.shown()[i];
    EXPECT_TRUE(s.isPrompt);
    EXPECT_EQ(s.message, expected[i].first);
    EXPECT_EQ(s.fields, expected[i].second);
    EXPECT_TRUE(s.windowBlocked);
    EXPECT_EQ(s.buttons, (QStringList{QStringLiteral("确定"), QStringLiteral("取消")}));
  }

  // The five misclosures are on the window when the first pause opens; each
  // station appears after its pause and stays behind the next one.
  const std::string pause(texts::kPromptShowPoint);
  std::vector<const Shown*> pauses;
  for (const Shown& s : driver.shown()) {
    if (s.message == pause) pauses.push_back(&s);
  }
  ASSERT_EQ(pauses.size(), 3u);
  EXPECT_EQ(pauses[0]->fields[12], "  -10秒");
  EXPECT_EQ(pauses[0]->fields[17], "-1.36毫米");
  EXPECT_EQ(pauses[0]->fields[18], "8.64毫米");
  EXPECT_EQ(pauses[0]->fields[13], "2.07毫米");
  EXPECT_EQ(pauses[0]->fields[14], "5.22毫米");
  EXPECT_EQ(pauses[1]->fields[9], "  A");
  EXPECT_EQ(pauses[1]->fields[10], "1000.000");
  EXPECT_EQ(pauses[1]->fields[11], "2000.000");
  EXPECT_EQ(pauses[2]->fields[9], "  P1");
  EXPECT_EQ(pauses[2]->fields[10], "929.289");
  EXPECT_EQ(pauses[2]->fields[11], "1929.286");

  // The window at the end of the run.
  const std::map<Field, std::string> end = {
      {Field::Text1, "本导线含已知点共有3个导线点"},
      {Field::Text2, " 1000.000"}, {Field::Text3, " 2000.000"},
      {Field::Text4, " 858.580"}, {Field::Text5, " 1858.570"},
      {Field::Text6, " 45.00000"}, {Field::Text7, " 225.00100"},
      {Field::Text13, "  -10秒"}, {Field::Text18, "-1.36毫米"}, {Field::Text19, "8.64毫米"},
      {Field::Text14, "2.07毫米"}, {Field::Text15, "5.22毫米"},
      {Field::Text22, "现在显示计算结果"}, {Field::Text10, "  B"},
      {Field::Text11, "858.580"}, {Field::Text12, "1858.570"},
      {Field::Text16, "200米"}, {Field::Text17, "1/35636"},
  };
  for (const auto& [field, text] : end) EXPECT_EQ(Text(window_, field), text) << FieldName(field);
  // A field written by the program shows its beginning.
  EXPECT_EQ(window_.field(Field::Text1)->cursorPosition(), 0);

  // The picture of the window in the documentation, when asked for.
  const QByteArray screenshot = qgetenv("KORAVEL_SCREENSHOT");
  if (!screenshot.isEmpty()) {
    ASSERT_TRUE(window_.grab().save(QString::fromLocal8Bit(screenshot), "PNG"));
  }
}

TEST_F(WindowRun, SecondRunKeepsThePreviousResultsUntilItsClosingSequence) {
  Run(WorkedExampleReplies());
  ASSERT_TRUE(window_.record().complete);
  TraverseReplies smaller = WorkedExample();
  smaller.n = "1";
  smaller.names = {"A", "B"};
  smaller.angles = {"180", "180"};
  smaller.sides = {"200"};
  std::vector<Reply> replies;
  for (const std::string& text : Replies(smaller)) replies.push_back({text, Answer::kEnterKey});
  const ModalDriver& driver = Run(replies);
  ASSERT_TRUE(window_.record().complete);
  ASSERT_FALSE(driver.shown().empty());
  // The first prompt of the second run still shows the first run's results.
  EXPECT_EQ(driver.shown().front().fields[16], "1/35636");
  EXPECT_EQ(Text(window_, Field::Text1), "本导线含已知点共有2个导线点");
  EXPECT_EQ(Text(window_, Field::Text10), "  B");
  EXPECT_EQ(Text(window_, Field::Text16), "200米");
}

TEST_F(WindowRun, UnreadableReplyAsksAgainAndStopRunEndsTheRun) {
  const ModalDriver& driver = Run({
      {"三", Answer::kEnterKey},        // not a number
      {"", Answer::kEscapeKey},         // Escape on the message: answer again
      {"", Answer::kCancelButton},      // Cancel: the empty reply, not a number
      {"", Answer::kAnswerAgain},
      {"0", Answer::kOkButton},         // outside 1 ... 32766
      {"", Answer::kStopRun},
  });
  EXPECT_EQ(driver.unanswered(), 0);
  EXPECT_EQ(driver.mismatched(), 0);
  const std::string prompt(texts::kPromptPointCount);
  const std::vector<std::string> expected = {
      prompt, std::string(texts::kNoticeCountUnreadable),
      prompt, std::string(texts::kNoticeCountUnreadable),
      prompt, std::string(texts::kNoticeCountOutOfRange),
  };
  EXPECT_EQ(driver.messages(), expected);
  for (const Shown& s : driver.shown()) {
    if (s.isPrompt) continue;
    EXPECT_EQ(s.buttons, (QStringList{QStringLiteral("重新输入"), QStringLiteral("终止计算")}));
    EXPECT_EQ(s.defaultButton, QStringLiteral("重新输入"));
    EXPECT_TRUE(s.windowBlocked);
  }
  EXPECT_FALSE(window_.record().complete);
  EXPECT_EQ(Text(window_, Field::Text1), "") << "a stopped run writes nothing more";
  EXPECT_TRUE(window_.isVisible()) << "stopping the run does not end the program";
}

TEST_F(WindowRun, StoppingHalfWayKeepsWhatWasEnteredOnTheWindow) {
  std::vector<Reply> replies;
  for (const std::string& text : KnownPointReplies(WorkedExample())) replies.push_back({text, Answer::kEnterKey});
  replies.resize(5);  // N, Xa, its confirmation, Ya, its confirmation
  replies.push_back({"x", Answer::kEnterKey});  // Xb: not a number
  replies.push_back({"", Answer::kStopRun});
  const ModalDriver& driver = Run(replies);
  EXPECT_EQ(driver.unanswered(), 0);
  EXPECT_EQ(driver.mismatched(), 0);
  EXPECT_EQ(driver.shown().back().message, texts::kNoticeValueUnreadable);
  EXPECT_FALSE(window_.record().complete);
  EXPECT_EQ(Text(window_, Field::Text2), " 1000.000");
  EXPECT_EQ(Text(window_, Field::Text3), " 2000.000");
}

TEST_F(WindowRun, InformationNoticeHasOneButtonAndTheRunGoesOn) {
  // Every side 0: nothing can be distributed by side length.
  TraverseReplies t = WorkedExample();
  t.sides = {"0", "0"};
  const std::vector<std::string> typed = Replies(t);
  const auto expected = ScriptedModals(typed);
  // Answer the information notices with OK where the dialogue shows them.
  std::vector<Reply> withNotices;
  std::size_t next = 0;
  for (const auto& [message, fields] : expected) {
    if (message == texts::kNoticeZeroLength || message == texts::kNoticeExactClosure ||
        message == texts::kNoticeAccuracyOutOfRange) {
      withNotices.push_back({"", Answer::kMessageOk});
    } else if (next < typed.size()) {
      withNotices.push_back({typed[next++], Answer::kEnterKey});
    }
  }
  const ModalDriver& driver = Run(withNotices);
  EXPECT_EQ(driver.mismatched(), 0);
  EXPECT_EQ(driver.unanswered(), 0);
  ASSERT_EQ(driver.shown().size(), expected.size());
  int notices = 0;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(driver.shown()[i].message, expected[i].first);
    EXPECT_EQ(driver.shown()[i].fields, expected[i].second);
    if (!driver.shown()[i].isPrompt) {
      ++notices;
      EXPECT_EQ(driver.shown()[i].buttons, QStringList{QStringLiteral("确定")});
    }
  }
  EXPECT_GE(notices, 1);
  EXPECT_TRUE(window_.record().complete);
}

// 打 印 on the window: the report of the last run goes to the window's
// printer (here a PDF file); before any run the user is told there is nothing
// to print, and no printer is touched.
TEST(WindowPrint, Command3PrintsTheLastRunAndRefusesBeforeAnyRun) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
  int printers = 0;
  MainWindow window([&] {
    ++printers;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    return printer;
  });
  window.ShowAtStart();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  {
    ModalDriver driver(window, {{"", Answer::kMessageOk}});
    QTest::mouseClick(Button(window, "Command3"), Qt::LeftButton);
    ASSERT_EQ(driver.shown().size(), 1u);
    EXPECT_EQ(driver.shown()[0].message, texts::kNoticeNothingToPrint);
    EXPECT_EQ(driver.shown()[0].buttons, QStringList{QStringLiteral("确定")});
    EXPECT_EQ(printers, 0);
    EXPECT_FALSE(QFile::exists(pdf));
  }
  {
    ModalDriver driver(window, WorkedExampleReplies());
    QTest::mouseClick(Button(window, "Command1"), Qt::LeftButton);
    ASSERT_TRUE(window.record().complete);
  }
  {
    ModalDriver driver(window, {});
    QTest::mouseClick(Button(window, "Command3"), Qt::LeftButton);
    EXPECT_TRUE(driver.shown().empty()) << "a good print asks nothing";
    EXPECT_EQ(printers, 1);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
  }
}

TEST(WindowPrint, NoPrinterIsToldInAMessageAndTheRecordStays) {
  MainWindow window([] { return std::unique_ptr<QPrinter>(); });
  window.ShowAtStart();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  {
    ModalDriver driver(window, WorkedExampleReplies());
    QTest::mouseClick(Button(window, "Command1"), Qt::LeftButton);
    ASSERT_TRUE(window.record().complete);
  }
  for (int attempt = 0; attempt < 2; ++attempt) {
    ModalDriver driver(window, {{"", Answer::kMessageOk}});
    QTest::mouseClick(Button(window, "Command3"), Qt::LeftButton);
    ASSERT_EQ(driver.shown().size(), 1u) << "one message per attempt";
    EXPECT_EQ(driver.shown()[0].message, texts::kNoPrinter);
    EXPECT_TRUE(driver.shown()[0].windowBlocked);
    EXPECT_TRUE(window.record().complete);
    EXPECT_EQ(Text(window, Field::Text17), "1/35636");
  }
}

// Runs the application's event loop until the program ends (or 10 s pass,
// which fails the test); returns the exit status.
int RunUntilTheProgramEnds() {
  QTimer failsafe;
  failsafe.setSingleShot(true);
  QObject::connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  failsafe.start(10000);
  return QApplication::exec();
}

TEST_F(WindowRun, Command2EndsTheProgramAtOnce) {
  QTimer::singleShot(0, &window_, [this] { QTest::mouseClick(Button(window_, "Command2"), Qt::LeftButton); });
  EXPECT_EQ(RunUntilTheProgramEnds(), 0);
  EXPECT_FALSE(window_.isVisible());
  EXPECT_FALSE(window_.record().complete);
}

TEST_F(WindowRun, ClosingTheWindowAfterARunEndsTheProgram) {
  Run(WorkedExampleReplies());
  ASSERT_TRUE(window_.record().complete);
  QTimer::singleShot(0, &window_, [this] { window_.close(); });
  EXPECT_EQ(RunUntilTheProgramEnds(), 0);
  EXPECT_FALSE(window_.isVisible());
}

TEST_F(WindowRun, ProgramEndingDuringAPromptStopsTheRunWithoutFurtherPrompts) {
  // The system closes the window (a logout, say) while the N prompt is open.
  ModalDriver driver(window_, {});
  driver.onShown = [this](const Shown&) { window_.toolkit().EndProgram(); };
  QTimer::singleShot(0, &window_, [this] { QTest::mouseClick(Button(window_, "Command1"), Qt::LeftButton); });
  EXPECT_EQ(RunUntilTheProgramEnds(), 0);
  EXPECT_EQ(driver.shown().size(), 1u) << "no prompt or message after the end";
  EXPECT_FALSE(window_.record().complete);
  EXPECT_FALSE(window_.isVisible());
}

}  // namespace
}  // namespace koravel::testing
