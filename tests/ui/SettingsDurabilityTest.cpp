// The settings file survives what can happen to it: the writing process
// killed at any moment, values QSettings itself writes in odd ways, a file
// far too large to be ours. Run with "--write-settings ROUND PATH", the
// program is the writer that the kill test kills.
#include "QtSettingsStore.h"
#include "settings/FrameSettings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

namespace {

// One full-HD screen; a frozen window's title bar must lie on it.
const CScreenArea kScreens{{{0, 0, 1920, 1080}}, 400, 24};

#ifdef QUINDOR_SANITIZED
constexpr int kKillRounds = 6;
#else
constexpr int kKillRounds = 15;
#endif

std::string SeparatorOf(int round) {
    // Appended, not `"s" + ...`: GCC 12 at -O3 reports a false -Wrestrict there.
    std::string separator = "s";
    return separator.append(std::to_string(round));
}

// Every setting of one round holds the round number (the separator "s" and
// the number), so a file shows how far each write got. Round numbers are
// outside most settings' ranges, which WriteSetting refuses, so each is
// written the way it writes: open, one value, close.
bool WriteOne(CSettingsStore& store, ESetting setting, int round) {
    if (store.Open() == EStoreOpen::Failed)
        return false;
    const char* name = SettingDef(setting).szName;
    const bool written = setting == SET_SEPARATEUR ? store.WriteString(name, SeparatorOf(round))
                                                   : store.WriteInt(name, round);
    store.Close();
    return written;
}

bool WriteRound(const QString& path, int round) {
    CQtSettingsStore store(path);
    for (int i = 0; i < SET_COUNT; ++i) {
        if (!WriteOne(store, static_cast<ESetting>(i), round))
            return false;
    }
    return true;
}

// The writer: round after round of single-value writes until it is killed.
// It says "w" once its first write is on disk.
int RunWriter(int firstRound, const QString& path) {
    CQtSettingsStore store(path);
    bool told = false;
    for (int round = firstRound;; ++round) {
        for (int i = 0; i < SET_COUNT; ++i) {
            if (!WriteOne(store, static_cast<ESetting>(i), round))
                return 1;
            if (!told) {
                std::fputs("w\n", stdout);
                std::fflush(stdout);
                told = true;
            }
        }
    }
}

// The round a setting holds in the file, read as the program reads it.
std::optional<int> RoundOf(CSettingsStore& store, ESetting setting) {
    const char* name = SettingDef(setting).szName;
    if (setting != SET_SEPARATEUR)
        return store.ReadInt(name);
    const std::optional<std::string> text = store.ReadString(name);
    if (!text || text->empty() || (*text)[0] != 's')
        return std::nullopt;
    return std::stoi(text->substr(1));
}

// A copy at a path QSettings has never seen, so the disk is what is read.
QString FreshCopy(const QString& path, const QString& folder) {
    static int count = 0;
    const QString copy = folder + QStringLiteral("/copy%1.conf").arg(++count);
    QFile::copy(path, copy);
    return copy;
}

} // namespace

class SettingsDurabilityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;

private slots:
    void init() {
        const QString shm = QStringLiteral("/dev/shm");
        m_dir = QFileInfo(shm).isWritable()
                    ? std::make_unique<QTemporaryDir>(shm + QStringLiteral("/quindor-test-XXXXXX"))
                    : std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath(QStringLiteral("Velmont/Quindor.conf"));
    }

    // The writer is killed at random moments; every time, the file is one
    // the program trusts, and each setting holds the value of the round
    // being written or of the round before: the settings written so far in
    // this round, then the rest of the last one.
    void killedWriterLeavesOldOrNewValues() {
        QVERIFY(QDir().mkpath(QFileInfo(m_path).absolutePath()));
        for (int cycle = 0; cycle < kKillRounds; ++cycle) {
            const int base = cycle * 100000;
            QVERIFY(WriteRound(m_path, base));

            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(),
                         {QStringLiteral("--write-settings"), QString::number(base + 1), m_path});
            QVERIFY(writer.waitForStarted());
            QVERIFY2(writer.waitForReadyRead(30000), "the writer never wrote");
            QThread::msleep(QRandomGenerator::global()->bounded(40u));
            writer.kill(); // SIGKILL: no chance to finish a write
            QVERIFY(writer.waitForFinished());
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

            QVERIFY2(!QFile::exists(m_path + QStringLiteral(".bad")), "the file was set aside");
            CQtSettingsStore store(FreshCopy(m_path, m_dir->path()));
            QCOMPARE(store.Open(), EStoreOpen::Existing);
            const std::optional<int> first = RoundOf(store, static_cast<ESetting>(0));
            QVERIFY(first.has_value());
            QVERIFY(*first > base);
            bool newer = true;
            for (int i = 0; i < SET_COUNT; ++i) {
                const auto setting = static_cast<ESetting>(i);
                const std::optional<int> round = RoundOf(store, setting);
                QVERIFY2(round.has_value(), SettingDef(setting).szName);
                if (*round != *first)
                    newer = false;
                QCOMPARE(*round, newer ? *first : *first - 1);
            }
            store.Close();
        }
    }

    // QSettings escapes every control character it writes but DEL; a value
    // holding one (a separator, or any value of a hand-edited file) must not
    // make the next start set the whole file aside.
    void fileWithDelStaysTrusted() {
        CQtSettingsStore store(m_path);
        CFrameSettings written = ReadFrameSettings(store, kScreens);
        written.m_nFmtMonth = 2;
        written.m_strSeparator = "\x7f-";
        QVERIFY(WriteSetting(store, written, SET_FMT_MOIS));
        QVERIFY(WriteSetting(store, written, SET_SEPARATEUR));

        CQtSettingsStore next(FreshCopy(m_path, m_dir->path()));
        QCOMPARE(next.Open(), EStoreOpen::Existing);
        next.Close();
        QVERIFY(ReadFrameSettings(next, kScreens) == written);

        // An unknown value whose text QSettings turns into NUL and DEL: it is
        // kept as found and written back, and the file stays trusted.
        const QString edited = m_dir->filePath(QStringLiteral("edited/Quindor.conf"));
        QDir().mkpath(QFileInfo(edited).absolutePath());
        QFile file(edited);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\nFmtJour=0\nOther=@Variant(\\0\\0\\0\x7f\\0)\n");
        file.close();
        CQtSettingsStore first(edited);
        const CFrameSettings read = ReadFrameSettings(first, kScreens);
        QCOMPARE(read.m_nFmtDay, 0);
        CQtSettingsStore again(FreshCopy(edited, m_dir->path()));
        QCOMPARE(again.Open(), EStoreOpen::Existing);
        again.Close();
        QVERIFY(ReadFrameSettings(again, kScreens) == read);
    }

    // A file written before the language setting existed: its 20 values read
    // exactly as before and the language joins them as "system". A broken
    // language value means "system" too and changes nothing else.
    void fileOfTwentyValuesGetsTheLanguage() {
        const QByteArray old = "[General]\nPaysGreg=1\nDtGreg=2361222\nAffBarre=0\nX=100\nY=80\n"
                               "AffCal0=1\nAffCal1=0\nAffCal2=1\nAffCal3=0\nAffCal4=1\nAffCal5=1\n"
                               "AffFetesRep=0\nAffSaints=2\nDessus=1\nSaintsRecent=1\n"
                               "AffSaintsRecent=1\nFmtJour=0\nFmtMois=2\nFmtAnnee=0\n"
                               "Separateur=\" - \"\n";
        const QList<QByteArray> languages = {QByteArray(),
                                             "Langue=7\n",
                                             "Langue=-1\n",
                                             "Langue=fr\n",
                                             "Langue=@Variant(\\0\\0\\0\x7f\\0)\n",
                                             "Langue=2\n"};
        for (const QByteArray& language : languages) {
            const QString path = m_dir->filePath(
                QStringLiteral("old%1/Quindor.conf").arg(languages.indexOf(language)));
            QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(old + language);
            file.close();

            CQtSettingsStore store(path);
            const CFrameSettings read = ReadFrameSettings(store, kScreens);
            CFrameSettings expected;
            expected.m_nGregCountry = 1;
            expected.m_dtGregStart = CJulianDay(2361222);
            expected.m_bToolBar = 0;
            expected.m_nPosX = 100;
            expected.m_nPosY = 80;
            expected.m_bShowRow = {1, 0, 1, 0, 1, 1};
            expected.m_bRepFeasts = 0;
            expected.m_nSaintsMode = 2;
            expected.m_bOnTop = 1;
            expected.m_nSaintsDlgList = 1;
            expected.m_bSaintsPresent = 1;
            expected.m_nFmtDay = 0;
            expected.m_nFmtMonth = 2;
            expected.m_nFmtYear = 0;
            expected.m_strSeparator = " - ";
            expected.m_nLanguage = language == "Langue=2\n" ? kLanguageFrench : kLanguageSystem;
            QVERIFY2(read == expected, language.constData());

            // The file now holds the language too, and reads the same again.
            CQtSettingsStore again(FreshCopy(path, m_dir->path()));
            QCOMPARE(again.Open(), EStoreOpen::Existing);
            QCOMPARE(again.ReadInt("Langue"), std::optional<std::int32_t>(expected.m_nLanguage));
            again.Close();
            QVERIFY(ReadFrameSettings(again, kScreens) == expected);
        }
    }

    // A writer killed while it created its lock file leaves it empty; the
    // next start removes it rather than have QSettings wait half a minute
    // for it at the first write.
    void emptyLockOfKilledWriterIsRemoved() {
        QVERIFY(QDir().mkpath(QFileInfo(m_path).absolutePath()));
        const QString lockPath = m_path + QStringLiteral(".lock");
        QFile lock(lockPath);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-10),
                                 QFileDevice::FileModificationTime));
        lock.close();

        CQtSettingsStore store(m_path);
        QCOMPARE(store.Open(), EStoreOpen::Created);
        QVERIFY(!QFile::exists(lockPath));
        QVERIFY(store.WriteInt("AffSaints", 2));
        store.Close();
        QCOMPARE(ReadFrameSettings(store, kScreens).m_nSaintsMode, 2);
    }

    // A settings file of 100 MB is set aside without being read, kept whole,
    // and the program starts on its defaults.
    void hugeFileIsSetAsideUnread() {
#ifdef QUINDOR_SANITIZED
        constexpr qint64 kSize = 16 * 1024 * 1024;
#else
        constexpr qint64 kSize = 100 * 1024 * 1024;
#endif
        QVERIFY(QDir().mkpath(QFileInfo(m_path).absolutePath()));
        {
            QFile file(m_path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QByteArray chunk("[General]\n");
            while (chunk.size() < 1024 * 1024)
                chunk += "AffSaints=0\n";
            for (qint64 written = 0; written < kSize; written += chunk.size())
                QCOMPARE(file.write(chunk), chunk.size());
        }
        const qint64 size = QFileInfo(m_path).size();

        CQtSettingsStore store(m_path);
        QVERIFY(ReadFrameSettings(store, kScreens) == CFrameSettings{});
        QCOMPARE(QFileInfo(m_path + QStringLiteral(".bad")).size(), size);
        QVERIFY(QFileInfo(m_path).size() < 4096);
        CQtSettingsStore next(FreshCopy(m_path, m_dir->path()));
        QCOMPARE(next.Open(), EStoreOpen::Existing);
    }
};

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--write-settings") == 0)
        return RunWriter(std::atoi(argv[2]), QString::fromLocal8Bit(argv[3]));
    QCoreApplication app(argc, argv);
    SettingsDurabilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SettingsDurabilityTest.moc"
