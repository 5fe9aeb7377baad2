#pragma once
// Answers every message box as a user would: a question with the next scripted answer (No
// when none is left), an information box with Enter. Keeps the texts it has read.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QQueue>
#include <QStringList>
#include <QTimer>
#include <QtTest>

class BoxAnswers : public QObject
{
  public:
    QStringList messages;
    QQueue<QMessageBox::StandardButton> answers;
    BoxAnswers()
    {
        connect(&fTimer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible())
                return;
            messages << box->text();
            if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
                const auto answer = answers.isEmpty() ? QMessageBox::No : answers.dequeue();
                QTest::mouseClick(answer == QMessageBox::Yes ? yes : box->button(QMessageBox::No),
                                  Qt::LeftButton);
            } else {
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        fTimer.start(10);
    }
    QString Last() const { return messages.isEmpty() ? QString() : messages.last(); }

  private:
    QTimer fTimer;
};
