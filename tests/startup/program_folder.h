#pragma once
// A fresh temporary program folder for one test.
#include "startup/global_state.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumbrel::testing {

class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        gs() = GlobalState{};
        gs().programFolder = dir.path();
    }
    QString path(const QString& name) const { return dir.path() + u'/' + name; }
    QString read(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QString todaysLog(const QString& channel = QString()) const
    {
        return read(QDate::currentDate().toString(QStringLiteral("yyMMdd")) + channel + QStringLiteral(".log"));
    }
    QTemporaryDir dir;
};

}  // namespace sumbrel::testing
