#include "SingleInstance.h"

#include <QtTest>
#include <csignal>

using namespace zodiac;

class tst_SingleInstance : public QObject {
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

    // What a start finds in the lock's place, and whether it may run.
    void foundLockFile_data() {
        QTest::addColumn<QString>("found");
        QTest::addColumn<bool>("mayRun");
        QTest::newRow("empty, a minute old") << "empty old" << true;
        QTest::newRow("empty, just created") << "empty new" << false;
        QTest::newRow("unreadable text, a minute old") << "junk old" << true;
        QTest::newRow("lock of a dead copy") << "dead" << true;
        QTest::newRow("lock of a live copy") << "live" << false;
    }

    void foundLockFile() {
        QFETCH(QString, found);
        QFETCH(bool, mayRun);
        const QString identity = QStringLiteral("found-") + QString::fromLatin1(QTest::currentDataTag());
        SingleInstance probe(identity);
        QProcess holder;
        if (found == "dead" || found == "live") {
            QCOMPARE(StartHolder(holder, identity), QByteArray("held"));
            if (found == "dead") {
                QCOMPARE(::kill(static_cast<pid_t>(holder.processId()), SIGKILL), 0);
                QVERIFY(holder.waitForFinished(10000));
            }
        } else {
            QFile file(probe.LockFilePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (found.startsWith("junk"))
                file.write("not a lock\n\x01\x02");
            QVERIFY(file.flush());
            if (found.endsWith("old"))
                QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                         QFileDevice::FileModificationTime));
        }
        QVERIFY(QFile::exists(probe.LockFilePath()));

        SingleInstance start(identity);
        QCOMPARE(start.TryAcquire(), mayRun);
        if (mayRun) {
            // Taken over for good: the next copy is refused.
            SingleInstance next(identity);
            QVERIFY(!next.TryAcquire());
        }
        if (holder.state() != QProcess::NotRunning) {
            holder.kill();
            holder.waitForFinished(10000);
        }
    }

    // A runtime folder that cannot hold a lock neither locks the user out nor lets two copies run:
    // the lock moves to the temporary folder.
    void unusableFolder_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("read-only folder") << "/proc/self";
        QTest::newRow("missing folder") << "/nonexistent-zodiac-folder/run";
    }

    void unusableFolder() {
        QFETCH(QString, folder);
        const QString identity = QStringLiteral("unusable-") + QString::fromLatin1(QTest::currentDataTag());
        SingleInstance first(identity, folder);
        QVERIFY(first.TryAcquire());
        QVERIFY2(first.LockFilePath().startsWith(QDir::tempPath()), qPrintable(first.LockFilePath()));
        SingleInstance second(identity, folder);
        QVERIFY(!second.TryAcquire());
    }

    void noFolderAtAll() {
        const QByteArray tmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", "/proc/self");
        SingleInstance first(QStringLiteral("nowhere"), QStringLiteral("/proc/self"));
        const bool ran = first.TryAcquire();
        qputenv("TMPDIR", tmp);
        QVERIFY(ran);
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

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
