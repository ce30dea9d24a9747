// Answers the modal prompts and message boxes of the window as a user would,
// from a list of replies, and records what each one showed: its message and
// the texts of the window's 22 fields at the moment it opened.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/qt/main_window.h"

namespace koravel::testing {

// How a reply is given at a prompt, or which button answers a message box.
enum class Answer {
  kOkButton,     // type the text, click OK
  kEnterKey,     // type the text, press Enter
  kCancelButton, // click Cancel
  kEscapeKey,    // press Escape
  kCloseBox,     // close the prompt or the message box with its window button
  kAnswerAgain,  // message box: 重新输入
  kStopRun,      // message box: 终止计算
  kMessageOk,    // message box: OK
};

struct Reply {
  std::string text;
  Answer how = Answer::kEnterKey;
};

using FieldTexts = std::array<std::string, 22>;

struct Shown {
  bool isPrompt = false;
  std::string message;
  FieldTexts fields;
  bool windowBlocked = false;   // the window takes no input while it is open
  QStringList buttons;          // the texts of its buttons
  QString defaultButton;
};

class ModalDriver {
 public:
  ModalDriver(MainWindow& window, std::vector<Reply> replies)
      : window_(window), replies_(replies.begin(), replies.end()) {
    timer_.setInterval(2);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }

  // Called at a modal after it was recorded and before it is answered.
  std::function<void(const Shown&)> onShown;

  const std::vector<Shown>& shown() const { return shown_; }
  std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const Shown& s : shown_) out.push_back(s.message);
    return out;
  }
  // Modals that found no reply left (each was cancelled or stopped).
  int unanswered() const { return unanswered_; }
  // Replies meant for the other kind of modal (a prompt where a message box
  // opened, or the reverse).
  int mismatched() const { return mismatched_; }
  std::size_t unusedReplies() const { return replies_.size(); }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal->property("koravelDriven").toBool() || !modal->isVisible()) return;
    modal->setProperty("koravelDriven", true);

    Shown s;
    for (int i = 0; i < 22; ++i) s.fields[i] = window_.field(static_cast<Field>(i + 1))->text().toStdString();
    // Application-modal and on top of the modal stack: Qt passes no input
    // to the main window while it is open.
    s.windowBlocked = modal->windowModality() == Qt::ApplicationModal &&
                      QGuiApplication::modalWindow() != nullptr &&
                      QGuiApplication::modalWindow() == modal->windowHandle();
    for (QPushButton* b : modal->findChildren<QPushButton*>()) {
      s.buttons << b->text();
      if (b->isDefault()) s.defaultButton = b->text();
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    auto* reply = modal->findChild<QLineEdit*>(QStringLiteral("PromptReply"));
    s.isPrompt = box == nullptr && reply != nullptr;
    if (box != nullptr) {
      s.message = box->text().toStdString();
    } else if (auto* label = modal->findChild<QLabel*>(QStringLiteral("PromptMessage"))) {
      s.message = label->text().toStdString();
    }
    shown_.push_back(s);
    if (onShown) onShown(s);

    Reply r;
    if (replies_.empty()) {
      ++unanswered_;
      r.how = box != nullptr ? Answer::kStopRun : Answer::kCancelButton;
    } else {
      r = replies_.front();
      replies_.pop_front();
    }
    Give(modal, box, reply, r);
  }

  static QPushButton* ButtonNamed(QWidget* modal, const char* name) {
    return modal->findChild<QPushButton*>(QString::fromLatin1(name));
  }

  void Give(QWidget* modal, QMessageBox* box, QLineEdit* reply, const Reply& r) {
    if (box != nullptr) {
      switch (r.how) {
        case Answer::kAnswerAgain: QTest::mouseClick(ButtonNamed(modal, "AnswerAgain"), Qt::LeftButton); return;
        case Answer::kStopRun: QTest::mouseClick(ButtonNamed(modal, "StopRun"), Qt::LeftButton); return;
        case Answer::kMessageOk: QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton); return;
        case Answer::kEscapeKey: QTest::keyClick(modal, Qt::Key_Escape); return;
        case Answer::kCloseBox: modal->close(); return;
        default:
          ++mismatched_;
          if (QPushButton* stop = ButtonNamed(modal, "StopRun")) QTest::mouseClick(stop, Qt::LeftButton);
          else box->close();
          return;
      }
    }
    auto* buttons = modal->findChild<QDialogButtonBox*>();
    if (reply == nullptr || buttons == nullptr) {
      ++mismatched_;
      modal->close();
      return;
    }
    // Chinese cannot be typed through QTest::keyClicks: set the text.
    reply->setText(QString::fromStdString(r.text));
    switch (r.how) {
      case Answer::kOkButton:
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        return;
      case Answer::kEnterKey:
        QTest::keyClick(reply, Qt::Key_Return);
        return;
      case Answer::kCancelButton:
        QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        return;
      case Answer::kEscapeKey:
        QTest::keyClick(reply, Qt::Key_Escape);
        return;
      case Answer::kCloseBox:
        modal->close();
        return;
      default:
        ++mismatched_;
        modal->close();
        return;
    }
  }

  MainWindow& window_;
  std::deque<Reply> replies_;
  QTimer timer_;
  std::vector<Shown> shown_;
  int unanswered_ = 0;
  int mismatched_ = 0;
};

}  // namespace koravel::testing
