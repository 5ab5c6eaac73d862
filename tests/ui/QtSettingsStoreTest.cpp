// The settings file on disk: what the window writes reads back, and a file
// that is damaged, odd, in the way or half written by a killed process never
// stops the start nor loses what can be kept.
#include "QtSettingsStore.h"
#include "UiTestSupport.h"
#include "settings/FrameSettings.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One full-HD screen; a frozen window's title bar must lie on it.
const CScreenArea kScreens{{{0, 0, 1920, 1080}}, 400, 24};

#ifdef QUINDOR_SANITIZED
constexpr int kKillRounds = 6;
constexpr int kHugeFile = 16 * 1024 * 1024;
#else
constexpr int kKillRounds = 15;
constexpr int kHugeFile = 100 * 1024 * 1024;
#endif

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

// A copy at a path QSettings has never seen, so the disk is what is read.
QString FreshCopy(const QString& path) {
    static int count = 0;
    const QString copy =
        QFileInfo(path).absolutePath() + QStringLiteral("/../copy%1/Quindor.conf").arg(++count);
    QDir().mkpath(QFileInfo(copy).absolutePath());
    QFile::copy(path, copy);
    return copy;
}

CFrameSettings ReadFromDisk(const QString& path) {
    CQtSettingsStore store(FreshCopy(path));
    return ReadFrameSettings(store, kScreens);
}

CFrameSettings Custom() {
    CFrameSettings s;
    s.m_nGregCountry = -1;
    s.m_dtGregStart = CJulianDay(2342032);
    s.m_bToolBar = 0;
    s.m_nPosX = kNotFrozen; // not frozen, so any other coordinate is kept
    s.m_nPosY = INT32_MIN;
    s.m_bShowRow = {0, 1, 0, 1, 1, 0};
    s.m_bRepFeasts = 0;
    s.m_nSaintsMode = 2;
    s.m_bOnTop = 1;
    s.m_nSaintsDlgList = 1;
    s.m_bSaintsPresent = 1;
    s.m_nFmtDay = 0;
    s.m_nFmtMonth = 2;
    s.m_nFmtYear = 0;
    s.m_strSeparator = " - ";
    s.m_nLanguage = kLanguageFrench;
    return s;
}

// Every setting of one round holds the round number ("s" and the number for
// the separator), written as WriteSetting writes: open, one value, close.
bool WriteOne(CSettingsStore& store, int setting, int round) {
    if (store.Open() == EStoreOpen::Failed)
        return false;
    const char* name = SettingDef(static_cast<ESetting>(setting)).szName;
    std::string separator = "s"; // not `"s" + ...`: GCC 12 at -O3 warns of -Wrestrict there
    separator.append(std::to_string(round));
    const bool written = setting == SET_SEPARATEUR ? store.WriteString(name, separator)
                                                   : store.WriteInt(name, round);
    store.Close();
    return written;
}

} // namespace

// The writer the kill test starts: round after round until it is killed. It
// says "w" once its first write is on disk.
int RunSettingsWriter(int firstRound, const QString& path) {
    CQtSettingsStore store(path);
    for (int round = firstRound;; ++round)
        for (int i = 0; i < SET_COUNT; ++i) {
            if (!WriteOne(store, i, round))
                return 1;
            if (round == firstRound && i == 0) {
                std::fputs("w\n", stdout);
                std::fflush(stdout);
            }
        }
}

class QtSettingsStoreTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    QString m_path;

private slots:
    void init() {
        // Memory-backed when there is one: every write waits for its sync.
        const QString shm = QStringLiteral("/dev/shm");
        m_home = QFileInfo(shm).isWritable()
                     ? std::make_unique<QTemporaryDir>(shm + QStringLiteral("/quindor-test-XXXXXX"))
                     : std::make_unique<QTemporaryDir>();
        QVERIFY(m_home->isValid());
        qputenv("XDG_CONFIG_HOME", m_home->filePath(QStringLiteral("config")).toUtf8());
        m_path = CQtSettingsStore::DefaultPath();
    }

    void defaultPathFollowsXdgConfigHome() {
        QCOMPARE(m_path, m_home->filePath(QStringLiteral("config/Velmont/Quindor.conf")));
        const QByteArray saved = qgetenv("HOME");
        qunsetenv("XDG_CONFIG_HOME");
        qputenv("HOME", m_home->path().toUtf8());
        const QString fallback = CQtSettingsStore::DefaultPath();
        qputenv("HOME", saved);
        QCOMPARE(fallback, m_home->filePath(QStringLiteral(".config/Velmont/Quindor.conf")));
    }

    // Every value, and separators QSettings writes in odd ways (DEL it
    // leaves unescaped), read back from the file.
    void everyValueRoundTripsThroughTheFile() {
        CQtSettingsStore store(m_path);
        QCOMPARE(ReadFrameSettings(store, kScreens), CFrameSettings{});
        QCOMPARE(QSettings(m_path, QSettings::IniFormat).allKeys().size(), int{SET_COUNT});
        QCOMPARE(ReadFromDisk(m_path), CFrameSettings{});
        for (int i = 0; i < SET_COUNT; ++i)
            QVERIFY(WriteSetting(store, Custom(), static_cast<ESetting>(i)));
        QCOMPARE(ReadFromDisk(m_path), Custom());
        for (const char* separator :
             {" ", "", ",", ", ", ";", "#", "@", "@@", "\"", "\\", "=", "[x]", "a,b", "\t", "\xE9",
              "\x80", "123456789", "  /  ", "\x7f-"}) {
            QVERIFY(WriteSetting(store, SET_SEPARATEUR, std::string_view(separator)));
            QCOMPARE(ReadFromDisk(m_path).m_strSeparator, std::string(separator));
        }
    }

    // One value the store cannot take as it is (not a whole number, out of
    // range, half a surrogate pair) is repaired alone and written back;
    // keys it does not know are kept.
    void wrongValuesAreRepairedOneByOne() {
        const struct {
            const char* line;
            const char* key;
            const char* stored; // after the start
        } cases[] = {
            {"PaysGreg=abc", "PaysGreg", "10"},
            {"DtGreg=99999999999", "DtGreg", "2299227"},
            {"AffBarre=0x10", "AffBarre", "1"},
            {"X=1,2", "X", "-1000"},
            {"Y=-5", "Y", "-5"},
            {"AffCal0=1e3", "AffCal0", "1"},
            {"AffCal1=\" 0 \"", "AffCal1", "0"},
            {"AffCal5=-2147483648", "AffCal5", "1"},
            {"AffFetesRep=2147483648", "AffFetesRep", "1"},
            {"AffSaints=7", "AffSaints", "3"},
            {"Separateur=a,b", "Separateur", "/"},
            {"Langue=fr", "Langue", "0"},
            {"Langue=-1", "Langue", "0"},
            {"Langue=2", "Langue", "2"},
            {"Langue=@Variant(\\0\\0\\0\x7f\\0)", "Langue", "0"},
            {"Other=@Variant(\\0\\0\\0\x7f\\0)", "FmtJour", "1"}, // still trusted
            {"Other=kept", "Other", "kept"},
            // halfSurrogateSeparatorIsRepaired: QSettings would write it back as nothing.
            {"Separateur=\\x2dfC0 ", "Separateur", "/"},
            {"Separateur=\\xd800", "Separateur", "/"},
        };
        for (const auto& c : cases) {
            QVERIFY(WriteAll(m_path, QByteArray("[General]\nDessus=1\n") + c.line + '\n'));
            CQtSettingsStore store(m_path);
            QVERIFY2(ReadFrameSettings(store, kScreens).m_bOnTop == 1, c.line);
            QVERIFY2(!QFileInfo::exists(store.SetAsidePath()), c.line);
            const QSettings file(FreshCopy(m_path), QSettings::IniFormat);
            QVERIFY2(file.value(QLatin1String(c.key)).toString().trimmed() ==
                         QLatin1String(c.stored),
                     c.line);
            QVERIFY2(file.value(QStringLiteral("Dessus")).toInt() == 1, c.line);
        }
    }

    // A file that cannot be ours is set aside whole (the newest damaged copy
    // if damaged again while running); something in the place of the file,
    // its folder or the store's lock: the start is at once on what can be
    // read, a write fails or succeeds without waiting, what is there stays
    // unless it is a lock nobody could hold.
    void oddFilesAndObstacles() {
        enum EObstacle {
            None,
            DirAsFile,
            FileAsFolder,
            FifoAsFile,
            DirLock,
            FifoLock,
            LinkLock,
            GarbageLock,
            OwnLock,
            EmptyOldLock
        };
        const QByteArray onTop = "[General]\nDessus=1\n";
        const struct {
            const char* name;
            QByteArray file;
            EObstacle obstacle;
            bool setAside, writes;
        } cases[] = {
            {"unclosed section", "[General\nDessus=1\n", None, true, true},
            {"zero bytes", QByteArray("[General]\nDessus=1\n\0\0\0\0", 23), None, true, true},
            {"not UTF-8", "[General]\nSeparateur=\xff\xfe\n", None, true, true},
            {"binary", QByteArray("\x1f\x8b\x08\x00\x01\x02\x03", 7), None, true, true},
            {"hugeFileIsSetAsideUnread", QByteArray(kHugeFile, '\n').prepend(onTop), None, true,
             true},
            {"directory as the file", {}, DirAsFile, false, false},
            {"file as the folder", {}, FileAsFolder, false, false},
            {"fifo as the file", {}, FifoAsFile, false, false}, // must not block
            {"obstacleInPlaceOfTheLock: directory", onTop, DirLock, false, false},
            {"obstacleInPlaceOfTheLock: fifo", onTop, FifoLock, false, false},
            {"obstacleInPlaceOfTheLock: link", onTop, LinkLock, false, false},
            {"obstacleInPlaceOfTheLock: garbage", onTop, GarbageLock, false, true},
            {"obstacleInPlaceOfTheLock: this process's", onTop, OwnLock, false, true},
            {"emptyLockOfKilledWriterIsRemoved", onTop, EmptyOldLock, false, true},
        };
        for (const auto& c : cases) {
            const QString folder = QFileInfo(m_path).absolutePath();
            const QString lock = m_path + QStringLiteral(".lock");
            QDir(m_home->path()).removeRecursively();
            QVERIFY(QDir().mkpath(folder));
            if (!c.file.isNull())
                QVERIFY(WriteAll(m_path, c.file));
            QFile lockFile(lock);
            switch (c.obstacle) {
            case DirAsFile:
                QVERIFY(QDir().mkpath(m_path));
                break;
            case FileAsFolder:
                QVERIFY(QDir(folder).removeRecursively() && WriteAll(folder, "x"));
                break;
            case FifoAsFile:
                QCOMPARE(mkfifo(QFile::encodeName(m_path).constData(), 0600), 0);
                break;
            case DirLock:
                QVERIFY(QDir().mkpath(lock));
                break;
            case FifoLock:
                QCOMPARE(mkfifo(QFile::encodeName(lock).constData(), 0600), 0);
                break;
            case LinkLock:
                QVERIFY(QFile::link(m_path, lock));
                break;
            case GarbageLock:
                QVERIFY(WriteAll(lock, QByteArray(5000, '\x01')));
                break;
            case OwnLock:
                QVERIFY(WriteAll(lock, QByteArray::number(QCoreApplication::applicationPid()) +
                                           "\nquindor\n\n"));
                break;
            case EmptyOldLock: // left by a writer killed while it created the lock
                QVERIFY(lockFile.open(QIODevice::WriteOnly));
                QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-10),
                                             QFileDevice::FileModificationTime));
                lockFile.close();
                break;
            case None:
                break;
            }
            QElapsedTimer timer;
            timer.start();
            CQtSettingsStore store(m_path);
            const CFrameSettings read = ReadFrameSettings(store, kScreens);
            QVERIFY2(read.m_bOnTop == (c.obstacle >= DirLock), c.name);
            QVERIFY2(WriteSetting(store, SET_AFF_SAINTS, 2) == c.writes, c.name);
            QVERIFY2(timer.elapsed() < 10000, c.name);
            QVERIFY2(ReadAll(store.SetAsidePath()) == (c.setAside ? c.file : QByteArray()), c.name);
            if (c.writes) {
                QVERIFY2(ReadFromDisk(m_path).m_nSaintsMode == 2, c.name);
                QVERIFY2(QFileInfo(m_path).size() < 4096, c.name);
            }
            if (c.obstacle >= DirLock)
                QVERIFY2(QFileInfo::exists(lock) != c.writes, c.name);
            else if (c.obstacle != None)
                QVERIFY2(QFileInfo(m_path).isDir() == (c.obstacle == DirAsFile) &&
                             ReadAll(folder) == (c.obstacle == FileAsFolder ? "x" : ""),
                         c.name);
            if (c.setAside) {
                QVERIFY(WriteAll(m_path, c.file + "\n[newer"));
                QVERIFY(WriteSetting(store, SET_DESSUS, 1));
                QVERIFY2(ReadAll(store.SetAsidePath()) == c.file + "\n[newer", c.name);
            }
        }
    }

    // The start-up repairs are stored together: nothing reaches the disk
    // until the batch ends or the store closes, and nothing is lost then.
    void batchedWritesAreStoredAtTheEndOrAtClose() {
        const char* name = SettingDef(SET_DESSUS).szName;
        CQtSettingsStore store(m_path);
        QCOMPARE(store.Open(), EStoreOpen::Created);
        store.BeginBatch();
        QVERIFY(store.WriteInt(name, 1));
        QVERIFY(!QFileInfo::exists(m_path));
        store.EndBatch();
        QCOMPARE(ReadFromDisk(m_path).m_bOnTop, 1);
        QVERIFY(store.WriteInt(name, 0));
        QCOMPARE(ReadFromDisk(m_path).m_bOnTop, 0);
        store.BeginBatch();
        QVERIFY(store.WriteInt(name, 1));
        store.Close();
        QCOMPARE(ReadFromDisk(m_path).m_bOnTop, 1);
    }

    // A write renames a new file into place: a second name for the old file
    // still sees it whole, so a crash cannot leave a half-written file.
    void writeReplacesTheFileWhole() {
        CQtSettingsStore store(m_path);
        ReadFrameSettings(store, kScreens);
        const QByteArray before = ReadAll(m_path);
        const QString link = m_home->filePath(QStringLiteral("old.conf"));
        QCOMPARE(::link(QFile::encodeName(m_path).constData(), QFile::encodeName(link).constData()),
                 0);
        QVERIFY(WriteSetting(store, SET_DESSUS, 1));
        QCOMPARE(ReadAll(link), before);
        QVERIFY(ReadAll(m_path) != before);
        QVERIFY(!QFileInfo::exists(m_path + QStringLiteral(".lock")));
    }

    // Killed at random moments, the writer always leaves a file the program
    // trusts, each setting holding the round being written or the one
    // before: the settings written so far in this round, then the rest.
    void killedWriterLeavesOldOrNewValues() {
        QVERIFY(QDir().mkpath(QFileInfo(m_path).absolutePath()));
        for (int cycle = 0; cycle < kKillRounds; ++cycle) {
            const int base = cycle * 100000;
            CQtSettingsStore first(m_path);
            for (int i = 0; i < SET_COUNT; ++i)
                QVERIFY(WriteOne(first, i, base));
            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(),
                         {QStringLiteral("--write-settings"), QString::number(base + 1), m_path});
            QVERIFY2(writer.waitForReadyRead(30000), "the writer never wrote");
            QThread::msleep(QRandomGenerator::global()->bounded(40u));
            writer.kill(); // SIGKILL: no chance to finish a write
            QVERIFY(writer.waitForFinished());
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
            QVERIFY2(!QFile::exists(m_path + QStringLiteral(".bad")), "the file was set aside");
            CQtSettingsStore store(FreshCopy(m_path));
            QCOMPARE(store.Open(), EStoreOpen::Existing);
            const auto round = [&store](int i) {
                const char* name = SettingDef(static_cast<ESetting>(i)).szName;
                if (i != SET_SEPARATEUR)
                    return store.ReadInt(name).value_or(-1);
                return std::atoi(store.ReadString(name).value_or("s-1").c_str() + 1);
            };
            const int newest = round(0);
            QVERIFY(newest > base);
            bool newer = true;
            for (int i = 0; i < SET_COUNT; ++i) {
                newer = newer && round(i) == newest;
                QVERIFY2(round(i) == (newer ? newest : newest - 1),
                         SettingDef(static_cast<ESetting>(i)).szName);
            }
            store.Close();
        }
    }
};
QUINDOR_UI_TEST("QtSettingsStore", QtSettingsStoreTest);

#include "QtSettingsStoreTest.moc"
