#include "QtSettingsStore.h"
#include "settings/FrameSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// One full-HD screen; a frozen window's title bar must lie on it.
const CScreenArea kScreens{{{0, 0, 1920, 1080}}, 400, 24};

bool IsRoot() {
    return geteuid() == 0;
}

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

// Reads the settings from a copy of the file at a path QSettings has never
// seen, so that what is checked is the file on disk and not QSettings' cache.
CFrameSettings ReadFromDisk(const QString& path, const QString& scratch) {
    static int count = 0;
    const QString copy = scratch + QStringLiteral("/copy%1/Quindor.conf").arg(++count);
    QDir().mkpath(QFileInfo(copy).absolutePath());
    QFile::copy(path, copy);
    CQtSettingsStore store(copy);
    return ReadFrameSettings(store, kScreens);
}

CFrameSettings CustomSettings(const std::string& separator) {
    CFrameSettings s;
    s.m_nGregCountry = -1;
    s.m_dtGregStart = CJulianDay(2342032);
    s.m_bToolBar = 0;
    // Not frozen, so the other coordinate is kept whatever it holds.
    s.m_nPosX = kNotFrozen;
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
    s.m_strSeparator = separator;
    return s;
}

// A first start at the path, then every value written one by one.
bool WriteEverySetting(const QString& path, const CFrameSettings& settings) {
    CQtSettingsStore store(path);
    ReadFrameSettings(store, kScreens);
    bool written = true;
    for (int i = 0; i < SET_COUNT; ++i)
        written = WriteSetting(store, settings, static_cast<ESetting>(i)) && written;
    return written;
}

} // namespace

class QtSettingsStoreTest : public QObject {
    Q_OBJECT

private:
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

    void cleanup() {
        // Give back write access so the folder can be removed.
        chmod(QFile::encodeName(m_path).constData(), 0644);
        chmod(QFile::encodeName(QFileInfo(m_path).absolutePath()).constData(), 0755);
        m_home.reset();
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

    void firstRunWritesEveryDefault() {
        CQtSettingsStore store(m_path);
        QCOMPARE(ReadFrameSettings(store, kScreens), CFrameSettings{});
        QVERIFY(QFileInfo(m_path).isFile());

        QSettings raw(m_path, QSettings::NativeFormat);
        QCOMPARE(raw.allKeys().size(), static_cast<int>(SET_COUNT));
        for (const CSettingDef& def : SettingsSchema()) {
            const QVariant value = raw.value(QString::fromLatin1(def.szName));
            if (def.type == ESettingType::Int32) {
                QCOMPARE(value.toInt(), def.nDefault);
            } else {
                QCOMPARE(value.toString(), QStringLiteral("/"));
            }
        }
        QCOMPARE(ReadFromDisk(m_path, m_home->path()), CFrameSettings{});
    }

    void everyValueRoundTripsThroughTheFile() {
        const CFrameSettings wanted = CustomSettings(" - ");
        QVERIFY(WriteEverySetting(m_path, wanted));
        QCOMPARE(ReadFromDisk(m_path, m_home->path()), wanted);
        CQtSettingsStore again(m_path);
        QCOMPARE(ReadFrameSettings(again, kScreens), wanted);
    }

    void separatorRoundTripsThroughTheFile_data() {
        QTest::addColumn<QByteArray>("separator"); // Windows-1252
        const char* const separators[] = {" ",  " - ",  "",     ",",         ", ",   ";",   "#",
                                          "@",  "@@",   "\"",   "\\",        "=",    "[x]", "a,b",
                                          "\t", "\xE9", "\x80", "123456789", "  /  "};
        for (const char* separator : separators) {
            QTest::newRow(separator) << QByteArray(separator);
        }
    }

    void separatorRoundTripsThroughTheFile() {
        QFETCH(QByteArray, separator);
        CQtSettingsStore store(m_path);
        QVERIFY(WriteSetting(store, SET_SEPARATEUR, std::string_view(separator.constData())));

        const std::string read = ReadFromDisk(m_path, m_home->path()).m_strSeparator;
        QCOMPARE(QByteArray::fromStdString(read), separator);
    }

    void wrongValuesAreRepairedOneByOne() {
        QVERIFY(WriteAll(m_path, "[General]\n"
                                 "PaysGreg=abc\n"
                                 "DtGreg=99999999999\n"
                                 "AffBarre=0x10\n"
                                 "X=1,2\n"
                                 "Y=-5\n"
                                 "AffCal0=1e3\n"
                                 "AffCal1=\" 0 \"\n"
                                 "AffCal2=0\n"
                                 "AffCal3=0\n"
                                 "AffCal4=0\n"
                                 "AffCal5=-2147483648\n"
                                 "AffFetesRep=2147483648\n"
                                 "AffSaints=7\n"
                                 "Dessus=1\n"
                                 "SaintsRecent=1\n"
                                 "AffSaintsRecent=1\n"
                                 "FmtMois=2\n"
                                 "FmtAnnee=0\n"
                                 "Separateur=a,b\n"
                                 "Other=kept\n"));
        CFrameSettings expected;
        expected.m_nPosY = -5;                    // X is repaired, so the position is not frozen
        expected.m_bShowRow = {1, 0, 0, 0, 0, 1}; // out of range, as AffSaints
        expected.m_bOnTop = 1;
        expected.m_nSaintsDlgList = 1;
        expected.m_bSaintsPresent = 1;
        expected.m_nFmtMonth = 2;
        expected.m_nFmtYear = 0;

        CQtSettingsStore store(m_path);
        QCOMPARE(ReadFrameSettings(store, kScreens), expected);
        QVERIFY(!QFileInfo::exists(store.SetAsidePath()));
        QCOMPARE(ReadFromDisk(m_path, m_home->path()), expected);
        QSettings raw(m_path, QSettings::NativeFormat);
        QCOMPARE(raw.value(QStringLiteral("Other")).toString(), QStringLiteral("kept"));
        QCOMPARE(raw.value(QStringLiteral("FmtJour")).toInt(), 1);
        QCOMPARE(raw.value(QStringLiteral("AffCal5")).toInt(), 1);
        QCOMPARE(raw.value(QStringLiteral("AffSaints")).toInt(), 3);
    }

    // QSettings reads these escapes as half a surrogate pair and would write
    // them back as nothing: read as the separator, the value would change
    // under the next write. They are repaired like any unreadable value.
    void halfSurrogateSeparatorIsRepaired_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("low half, from five digits") << QByteArray("Separateur=\\x2dfC0 \n");
        QTest::newRow("high half") << QByteArray("Separateur=\\xd800\n");
    }

    void halfSurrogateSeparatorIsRepaired() {
        QFETCH(QByteArray, line);
        QVERIFY(WriteAll(m_path, "[General]\nDessus=1\n" + line));
        CFrameSettings expected;
        expected.m_bOnTop = 1;
        CQtSettingsStore store(m_path);
        QCOMPARE(ReadFrameSettings(store, kScreens), expected);
        QVERIFY(!QFileInfo::exists(store.SetAsidePath()));
        QCOMPARE(ReadFromDisk(m_path, m_home->path()), expected);
    }

    void damagedFileIsKeptAside_data() {
        QTest::addColumn<QByteArray>("damage");
        QTest::newRow("unclosed section") << QByteArray("[General\nDessus=1\n");
        QTest::newRow("zero bytes") << QByteArray("[General]\nDessus=1\n\0\0\0\0", 23);
        QTest::newRow("not UTF-8") << QByteArray("[General]\nSeparateur=\xff\xfe\n");
        QTest::newRow("binary") << QByteArray("\x1f\x8b\x08\x00\x01\x02\x03", 7);
    }

    void damagedFileIsKeptAside() {
        QFETCH(QByteArray, damage);
        QVERIFY(WriteAll(m_path, damage));
        CQtSettingsStore store(m_path);
        QCOMPARE(ReadFrameSettings(store, kScreens), CFrameSettings{});
        QCOMPARE(ReadAll(store.SetAsidePath()), damage);
        QCOMPARE(ReadFromDisk(m_path, m_home->path()), CFrameSettings{});

        // Damaged again while running: the next write keeps the newest damaged
        // copy and starts afresh instead of writing over it.
        const QByteArray newer = damage + "\n[newer";
        QVERIFY(WriteAll(m_path, newer));
        QVERIFY(WriteSetting(store, SET_DESSUS, 1));
        QCOMPARE(ReadAll(store.SetAsidePath()), newer);
        CFrameSettings expected;
        expected.m_bOnTop = 1;
        QCOMPARE(ReadFromDisk(m_path, m_home->path()), expected);
    }

    // Something that is not a settings file where the file or its folder
    // should be: the program starts on its defaults, a write fails, and
    // what is there is left alone.
    void obstacleInPlaceOfTheFile_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("directory as the file") << 0;
        QTest::newRow("file as the folder") << 1;
        QTest::newRow("fifo as the file") << 2;
    }

    void obstacleInPlaceOfTheFile() {
        QFETCH(int, kind);
        const QString folder = QFileInfo(m_path).absolutePath();
        if (kind == 0) {
            QVERIFY(QDir().mkpath(m_path));
        } else if (kind == 1) {
            QVERIFY(WriteAll(folder, "not a folder"));
        } else {
            QDir().mkpath(folder);
            QCOMPARE(mkfifo(QFile::encodeName(m_path).constData(), 0600), 0); // must not block
        }
        CQtSettingsStore store(m_path);
        QCOMPARE(ReadFrameSettings(store, kScreens), CFrameSettings{});
        QVERIFY(!WriteSetting(store, SET_DESSUS, 1));
        QVERIFY(!QFileInfo::exists(store.SetAsidePath()));
        if (kind == 0)
            QVERIFY(QFileInfo(m_path).isDir());
        if (kind == 1)
            QCOMPARE(ReadAll(folder), QByteArray("not a folder"));
    }

    // Something other than a lock where the store's lock goes: the program
    // still starts at once, and a write fails or succeeds without waiting.
    void obstacleInPlaceOfTheLock_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("directory") << 0;
        QTest::newRow("fifo") << 1;
        QTest::newRow("link") << 4;
        QTest::newRow("garbage") << 2;
        QTest::newRow("lock of this process under another name") << 3;
    }

    void obstacleInPlaceOfTheLock() {
        QFETCH(int, kind);
        const CFrameSettings stored = CustomSettings(" - ");
        QVERIFY(WriteEverySetting(m_path, stored));
        const QString lock = m_path + QStringLiteral(".lock");
        if (kind == 0) {
            QVERIFY(QDir().mkpath(lock));
        } else if (kind == 1) {
            QCOMPARE(mkfifo(QFile::encodeName(lock).constData(), 0600), 0);
        } else if (kind == 4) {
            QVERIFY(QFile::link(m_path, lock));
        } else if (kind == 2) {
            QVERIFY(WriteAll(lock, QByteArray(5000, '\x01')));
        } else {
            QVERIFY(WriteAll(lock, QByteArray::number(QCoreApplication::applicationPid()) +
                                       "\nquindor\n\n"));
        }
        QElapsedTimer timer;
        timer.start();
        CQtSettingsStore store(m_path);
        QCOMPARE(ReadFrameSettings(store, kScreens), stored);
        // A lock nobody could hold is stale; anything else is not ours to remove.
        const bool stale = kind == 2 || kind == 3;
        QCOMPARE(WriteSetting(store, SET_DESSUS, 0), stale);
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
        CFrameSettings expected = stored;
        expected.m_bOnTop = stale ? 0 : stored.m_bOnTop;
        QCOMPARE(ReadFromDisk(m_path, m_home->path()), expected);
        QCOMPARE(QFileInfo::exists(lock), !stale);
    }

    void readOnlyFileStillStarts() {
        const CFrameSettings stored = CustomSettings(" - ");
        QVERIFY(WriteEverySetting(m_path, stored));
        const QByteArray before = ReadAll(m_path);
        QCOMPARE(chmod(QFile::encodeName(m_path).constData(), 0444), 0);
        QCOMPARE(chmod(QFile::encodeName(QFileInfo(m_path).absolutePath()).constData(), 0555), 0);

        CQtSettingsStore store(m_path);
        QCOMPARE(ReadFrameSettings(store, kScreens), stored);
        const bool written = WriteSetting(store, SET_DESSUS, 0);
        if (!IsRoot()) { // root writes anyway
            QVERIFY(!written);
            QCOMPARE(ReadAll(m_path), before);
        }
    }

    void unreadableFileIsLeftAlone() {
        if (IsRoot()) {
            QSKIP("root reads any file");
        }
        QVERIFY(WriteAll(m_path, "[General]\nDessus=1\n"));
        QCOMPARE(chmod(QFile::encodeName(m_path).constData(), 0000), 0);
        CQtSettingsStore store(m_path);
        QCOMPARE(ReadFrameSettings(store, kScreens), CFrameSettings{});
        QVERIFY(!WriteSetting(store, SET_DESSUS, 0));
        chmod(QFile::encodeName(m_path).constData(), 0644);
        QCOMPARE(ReadAll(m_path), QByteArray("[General]\nDessus=1\n"));
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
        QCOMPARE(ReadFromDisk(m_path, m_home->path()).m_bOnTop, 1);

        QVERIFY(store.WriteInt(name, 0));
        QCOMPARE(ReadFromDisk(m_path, m_home->path()).m_bOnTop, 0);

        store.BeginBatch();
        QVERIFY(store.WriteInt(name, 1));
        store.Close();
        QCOMPARE(ReadFromDisk(m_path, m_home->path()).m_bOnTop, 1);
    }

    // A write builds a new file and renames it into place: a second name for
    // the old file still sees the old contents whole, so a crash half-way
    // through a write cannot leave a half-written settings file.
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
};

QTEST_GUILESS_MAIN(QtSettingsStoreTest)
#include "QtSettingsStoreTest.moc"
