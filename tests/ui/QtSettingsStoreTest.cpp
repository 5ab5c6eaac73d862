// The settings file: what is written reads back; a damaged, odd or blocked
// file never stops the start nor loses what can be kept.
#include "QtSettingsStore.h"
#include "UiTestSupport.h"
#include "settings/FrameSettings.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// One full-HD screen; a frozen window's title bar must lie on it.
const CScreenArea kScreens{{{0, 0, 1920, 1080}}, 400, 24};

#ifdef QUINDOR_SANITIZED
constexpr int kHugeFile = 16 * 1024 * 1024;
#else
constexpr int kHugeFile = 100 * 1024 * 1024;
#endif

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

// Something other than a settings file where the file, its folder or its lock goes.
bool Place(char obstacle, const QString& file, const QString& lock) {
    const QString& at = QChar::fromLatin1(obstacle).isLower() ? file : lock;
    QFile empty(lock);
    switch (obstacle) {
    case 'd':
    case 'D':
        return QDir().mkpath(at);
    case 'p':
    case 'P':
        return mkfifo(QFile::encodeName(at).constData(), 0600) == 0; // must not block
    case 'f':
        return QDir(QFileInfo(file).path()).removeRecursively() &&
               WriteAll(QFileInfo(file).path(), "x");
    case 'L':
        return QFile::link(file, lock);
    case 'G':
        return WriteAll(lock, QByteArray(5000, '\x01'));
    case 'O': // this process's, under another name
        return WriteAll(lock,
                        QByteArray::number(QCoreApplication::applicationPid()) + "\nquindor\n\n");
    default: // 'E': left empty by a writer killed while it created the lock
        return empty.open(QIODevice::WriteOnly) &&
               empty.setFileTime(QDateTime::currentDateTime().addSecs(-10),
                                 QFileDevice::FileModificationTime);
    }
}

} // namespace

class QtSettingsStoreTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    QString m_path;

private slots:
    void init() {
        const QString shm = QStringLiteral("/dev/shm");
        m_home = QFileInfo(shm).isWritable()
                     ? std::make_unique<QTemporaryDir>(shm + QStringLiteral("/quindor-test-XXXXXX"))
                     : std::make_unique<QTemporaryDir>();
        QVERIFY(m_home->isValid());
        qputenv("XDG_CONFIG_HOME", m_home->filePath(QStringLiteral("config")).toUtf8());
        m_path = CQtSettingsStore::DefaultPath();
    }

    // Every value, and separators QSettings writes in odd ways, read back.
    void everyValueRoundTripsThroughTheFile() {
        CQtSettingsStore store(m_path);
        QCOMPARE(ReadFrameSettings(store, kScreens), CFrameSettings{});
        for (int i = 0; i < SET_COUNT; ++i)
            QVERIFY(WriteSetting(store, Custom(), static_cast<ESetting>(i)));
        QCOMPARE(ReadFromDisk(m_path), Custom());
        for (const char* separator :
             {"", ", ", ";", "#", "@@", "\"", "\\", "=", "[x]", "\t", "\x80", "  /  ", "\x7f-"}) {
            QVERIFY(WriteSetting(store, SET_SEPARATEUR, std::string_view(separator)));
            QCOMPARE(ReadFromDisk(m_path).m_strSeparator, std::string(separator));
        }
    }

    // A value the store cannot take is repaired alone and written back;
    // unknown keys are kept.
    void wrongValuesAreRepairedOneByOne() {
        const std::pair<const char*, const char*> cases[] = {
            {"PaysGreg=abc", "10"},
            {"DtGreg=99999999999", "2299227"},
            {"Y=-5", "-5"},
            {"AffCal1=\" 0 \"", "0"},
            {"AffCal5=-2147483648", "1"},
            {"AffSaints=7", "3"},
            {"Separateur=a,b", "/"},
            {"Langue=@Variant(\\0\\0\\0\x7f\\0)", "0"},
            {"Other=kept", "kept"},
            {"Other=@Variant(\\0\\0\\0\x7f\\0)", nullptr},
            {"Separateur=\\x2dfC0 ", "/"},
            {"Separateur=\\xd800", "/"},
            {"X=100\nY=80", "100"},
            {"X=-5000\nY=100", "-1000"}};
        for (const auto& [line, stored] : cases) {
            QVERIFY(WriteAll(m_path, QByteArray("[General]\nDessus=1\n") + line + '\n'));
            CQtSettingsStore store(m_path);
            QVERIFY2(ReadFrameSettings(store, kScreens).m_bOnTop == 1, line);
            QVERIFY2(!QFileInfo::exists(store.SetAsidePath()), line);
            const QSettings file(FreshCopy(m_path), QSettings::IniFormat);
            const QString key = QString::fromLatin1(line).section(QLatin1Char('='), 0, 0);
            QVERIFY2(!stored || file.value(key).toString().trimmed() == QLatin1String(stored),
                     line);
            QVERIFY2(file.value(QStringLiteral("Dessus")).toInt() == 1, line);
        }
    }

    // A file that cannot be ours is set aside whole (the newest copy if
    // damaged again); an obstacle in place of the file, folder or lock: the
    // start reads what it can, a write does not wait, what is there stays
    // unless it is a lock nobody could hold.
    void oddFilesAndObstacles() {
        const QByteArray onTop = "[General]\nDessus=1\n";
        const struct {
            const char* name;
            QByteArray file;
            char obstacle; // as Place() puts it
            bool setAside, writes;
        } cases[] = {{"unclosed section", "[General\nDessus=1\n", 0, true, true},
                     {"zero bytes", QByteArray("[General]\nDessus=1\n\0\0\0\0", 23), 0, true, true},
                     {"not UTF-8", "[General]\nSeparateur=\xff\xfe\n", 0, true, true},
                     {"binary", QByteArray("\x1f\x8b\x08\x00\x01\x02\x03", 7), 0, true, true},
                     {"hugeFileIsSetAsideUnread", QByteArray(kHugeFile, '\n'), 0, true, true},
                     {"directory as the file", {}, 'd', false, false},
                     {"file as the folder", {}, 'f', false, false},
                     {"fifo as the file", {}, 'p', false, false},
                     {"obstacleInPlaceOfTheLock: directory", onTop, 'D', false, false},
                     {"obstacleInPlaceOfTheLock: fifo", onTop, 'P', false, false},
                     {"obstacleInPlaceOfTheLock: link", onTop, 'L', false, false},
                     {"obstacleInPlaceOfTheLock: garbage", onTop, 'G', false, true},
                     {"obstacleInPlaceOfTheLock: this process's", onTop, 'O', false, true},
                     {"emptyLockOfKilledWriterIsRemoved", onTop, 'E', false, true}};
        for (const auto& c : cases) {
            const QString folder = QFileInfo(m_path).absolutePath();
            const QString lock = m_path + QStringLiteral(".lock");
            QDir(m_home->path()).removeRecursively();
            QVERIFY(QDir().mkpath(folder) && (c.file.isNull() || WriteAll(m_path, c.file)));
            QVERIFY2(!c.obstacle || Place(c.obstacle, m_path, lock), c.name);
            const bool lockRow = c.file == onTop;
            QElapsedTimer timer;
            timer.start();
            CQtSettingsStore store(m_path);
            const CFrameSettings read = ReadFrameSettings(store, kScreens);
            QVERIFY2(read.m_bOnTop == lockRow, c.name);
            QVERIFY2(WriteSetting(store, SET_AFF_SAINTS, 2) == c.writes, c.name);
            QVERIFY2(timer.elapsed() < 10000, c.name);
            QVERIFY2(ReadAll(store.SetAsidePath()) == (c.setAside ? c.file : QByteArray()), c.name);
            if (c.writes) {
                QVERIFY2(ReadFromDisk(m_path).m_nSaintsMode == 2, c.name);
                QVERIFY2(QFileInfo(m_path).size() < 4096, c.name);
            }
            if (lockRow)
                QVERIFY2(QFileInfo::exists(lock) != c.writes, c.name);
            else if (c.obstacle) // what is there stays
                QVERIFY2(QFileInfo::exists(m_path) || ReadAll(folder) == "x", c.name);
            if (c.setAside) {
                QVERIFY(WriteAll(m_path, c.file + "\n[newer"));
                QVERIFY(WriteSetting(store, SET_DESSUS, 1));
                QVERIFY2(ReadAll(store.SetAsidePath()) == c.file + "\n[newer", c.name);
            }
        }
    }

    // A write renames a new file into place: a hard link to the old one sees it whole.
    void writeReplacesTheFileWhole() {
        CQtSettingsStore store(m_path);
        ReadFrameSettings(store, kScreens);
        const QByteArray before = ReadAll(m_path);
        const QString old = m_home->filePath(QStringLiteral("old.conf"));
        QCOMPARE(link(QFile::encodeName(m_path).constData(), QFile::encodeName(old).constData()),
                 0);
        QVERIFY(WriteSetting(store, SET_DESSUS, 1));
        QCOMPARE(ReadAll(old), before);
        QVERIFY(ReadAll(m_path) != before && !QFileInfo::exists(m_path + QStringLiteral(".lock")));
    }
};
QUINDOR_UI_TEST("QtSettingsStore", QtSettingsStoreTest);

#include "QtSettingsStoreTest.moc"
