#pragma once
// One fixture for every window test: a temporary current folder and
// XDG_CONFIG_HOME, the scripted UI port installed, and a watchdog that fails
// the test and closes any modal window that opens unexpectedly, instead of
// letting the test hang.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "tests/support/ScriptedUi.h"

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tempDir.isValid());
        savedCwd = QDir::currentPath();
        QDir::setCurrent(tempDir.path());
        QDir(tempDir.path()).mkpath("config");
        savedXdg = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", (tempDir.path() + "/config").toUtf8());
        watchdog.setInterval(50);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && !expectModal) {
                ADD_FAILURE() << "unexpected modal window: " << modal->objectName().toStdString()
                              << " / " << modal->windowTitle().toStdString();
                modal->close();
            }
        });
        watchdog.start();
    }

    void TearDown() override {
        watchdog.stop();
        QDir::setCurrent(savedCwd);
        if (savedXdg.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", savedXdg);
    }

    // Runs `action`, which opens a modal window, and calls `inside` with that
    // window once it is shown (from the event loop). `inside` must close it.
    // A modal window `below` that is already open (the new one's owner) is
    // not the one looked for.
    void withModal(const std::function<void()>& action, const std::function<void(QWidget*)>& inside,
                   QWidget* below = nullptr) {
        const bool outer = expectModal;
        expectModal = true;
        bool seen = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != below && !seen) {
                seen = true;
                poll.stop();
                inside(modal);
            }
        });
        poll.start();
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != below) {
                ADD_FAILURE() << "modal window was not closed: "
                              << modal->objectName().toStdString();
                modal->close();
            }
        });
        guard.start(5000);
        action();
        poll.stop();
        guard.stop();
        expectModal = outer;
        EXPECT_TRUE(seen) << "no modal window opened";
    }

    QString tempPath(const QString& name) const { return tempDir.path() + "/" + name; }

    ScriptedUi ui;
    QTemporaryDir tempDir;
    QString savedCwd;
    QByteArray savedXdg;
    QTimer watchdog;
    bool expectModal = false;
};
