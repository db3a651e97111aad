#include "SingleInstance.h"

#include <QtTest>
#include <csignal>

using namespace zodiac;

class TestSingleInstance : public QObject {
    Q_OBJECT

    QTemporaryDir runtime;

    // Starts the holder process and waits until it reports; returns what it said.
    QByteArray StartHolder(QProcess& holder, const QString& identity) {
        holder.start(QStringLiteral(HOLDER_PATH), {identity});
        if (!holder.waitForStarted(5000)) {
            return {};
        }
        holder.waitForReadyRead(10000);
        return holder.readAllStandardOutput().trimmed();
    }

private slots:
    void initTestCase() {
        QVERIFY(runtime.isValid());
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // Keeps the test's locks away from a real running copy; the holder inherits it.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    }

    void lockLivesInRuntimeFolder() {
        SingleInstance instance;
        QCOMPARE(QFileInfo(instance.LockFilePath()).absolutePath(),
                 QFileInfo(runtime.path()).absoluteFilePath());
        QVERIFY(QFileInfo(instance.LockFilePath()).fileName().startsWith("NerroFreeChineseZodiacSoftware"));
    }

    void secondCopyInProcessFails() {
        SingleInstance first(QStringLiteral("same-process"));
        SingleInstance second(QStringLiteral("same-process"));
        SingleInstance other(QStringLiteral("other-program"));
        QVERIFY(first.TryAcquire());
        QVERIFY(first.TryAcquire());
        QVERIFY(!second.TryAcquire());
        QVERIFY(other.TryAcquire());
    }

    void releasedLockCanBeTaken() {
        {
            SingleInstance first(QStringLiteral("released"));
            QVERIFY(first.TryAcquire());
        }
        SingleInstance next(QStringLiteral("released"));
        QVERIFY(next.TryAcquire());
    }

    void lockOfKilledCopyDoesNotBlock_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGKILL") << int(SIGKILL);
        QTest::newRow("SIGSEGV") << int(SIGSEGV);
    }

    void lockOfKilledCopyDoesNotBlock() {
        QFETCH(int, signal);
        const QString identity = QStringLiteral("killed-") + QString::number(signal);
        QProcess holder;
        QCOMPARE(StartHolder(holder, identity), QByteArray("held"));

        SingleInstance whileHeld(identity);
        QVERIFY(!whileHeld.TryAcquire());

        QCOMPARE(::kill(static_cast<pid_t>(holder.processId()), signal), 0);
        QVERIFY(holder.waitForFinished(10000));
        QCOMPARE(holder.exitStatus(), QProcess::CrashExit);
        // The dead copy left its lock file behind; it must not count.
        QVERIFY(QFile::exists(whileHeld.LockFilePath()));

        SingleInstance next(identity);
        QVERIFY(next.TryAcquire());

        // And now the new holder blocks a further copy in another process.
        QProcess another;
        QCOMPARE(StartHolder(another, identity), QByteArray("busy"));
        QVERIFY(another.waitForFinished(10000));
        QCOMPARE(another.exitCode(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
