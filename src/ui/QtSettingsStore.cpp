#include "QtSettingsStore.h"

#include "text/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <system_error>

namespace {

QString KeyOf(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// What QSettings itself would swallow without complaint but no settings file
// of ours can contain: zero bytes, bytes that are not UTF-8, control characters.
// DEL is the one exception: QSettings escapes every other control character
// but writes DEL as it is, so a file it wrote itself may hold one.
bool LooksLikeText(const QByteArray& content) {
    for (char c : content) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            return false;
        }
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(content);
    return !decoder.hasError();
}

std::filesystem::path NativePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// QSettings locks the file while it writes it and waits for a lock it finds,
// without a limit when the lock can never be taken or removed. A writer
// killed between creating its lock and filling it in leaves an empty lock
// that QSettings cannot tell from a live one. So the lock is taken here
// first, briefly, treating one over a second old as stale: false when that
// fails, or when the lock's place holds anything but a plain file (QLockFile
// would block reading a FIFO).
constexpr int kStaleLockMs = 1000;

bool ClaimLock(const QString& path) {
    const QString lockPath = path + QStringLiteral(".lock");
    std::error_code error;
    const auto type = std::filesystem::symlink_status(NativePath(lockPath), error).type();
    if (type != std::filesystem::file_type::not_found &&
        (error || type != std::filesystem::file_type::regular)) {
        return false;
    }
    QLockFile lock(lockPath);
    lock.setStaleLockTime(kStaleLockMs);
    if (!lock.tryLock(2 * kStaleLockMs)) {
        return false;
    }
    lock.unlock();
    return true;
}

} // namespace

CQtSettingsStore::CQtSettingsStore(QString filePath) : m_strPath(std::move(filePath)) {}

CQtSettingsStore::~CQtSettingsStore() = default;

QString CQtSettingsStore::DefaultPath() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty()) {
        return {};
    }
    return base + QStringLiteral("/Velmont/Quindor.conf");
}

CQtSettingsStore::EFileState CQtSettingsStore::InspectFile() const {
    std::error_code error;
    const std::filesystem::path path = NativePath(m_strPath);
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return EFileState::Missing;
    }
    if (error || status.type() != std::filesystem::file_type::regular) {
        return EFileState::Unusable;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        return EFileState::Unusable;
    }
    if (size > static_cast<std::uintmax_t>(kMaxFileSize)) {
        return EFileState::Damaged;
    }

    QFile file(m_strPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return EFileState::Unusable;
    }
    // One byte past what it holds now, in case it grew since it was measured;
    // read(n) reserves n bytes, so never ask for the whole limit up front.
    const QByteArray content = file.read(std::min<qint64>(file.size(), kMaxFileSize) + 1);
    if (content.size() > kMaxFileSize || !LooksLikeText(content)) {
        return EFileState::Damaged;
    }
    // Whether QSettings can parse it is known once the store opens on it.
    return EFileState::Usable;
}

bool CQtSettingsStore::SetAside() const {
    std::error_code error;
    // rename() replaces an older damaged copy in one step.
    std::filesystem::rename(NativePath(m_strPath), NativePath(SetAsidePath()), error);
    return !error;
}

EStoreOpen CQtSettingsStore::Open() {
    if (m_settings || m_strPath.isEmpty()) {
        return EStoreOpen::Failed;
    }
    const QString folder = QFileInfo(m_strPath).absolutePath();
    if (!QDir().mkpath(folder)) {
        return EStoreOpen::Failed;
    }
    // Without the lock a write could hang: the run goes on read-only.
    m_bReadOnly = !ClaimLock(m_strPath);

    EStoreOpen result = EStoreOpen::Existing;
    switch (InspectFile()) {
    case EFileState::Usable:
        break;
    case EFileState::Missing:
        result = EStoreOpen::Created;
        break;
    case EFileState::Damaged:
        if (!SetAside()) {
            return EStoreOpen::Failed;
        }
        result = EStoreOpen::Created;
        break;
    case EFileState::Unusable:
        return EStoreOpen::Failed;
    }

    m_settings = std::make_unique<QSettings>(m_strPath, QSettings::NativeFormat);
    if (m_settings->status() == QSettings::FormatError) {
        m_settings.reset();
        if (!SetAside()) {
            return EStoreOpen::Failed;
        }
        result = EStoreOpen::Created;
        m_settings = std::make_unique<QSettings>(m_strPath, QSettings::NativeFormat);
    }
    m_settings->setAtomicSyncRequired(true);
    return result;
}

std::optional<std::int32_t> CQtSettingsStore::ReadInt(std::string_view name) {
    if (!m_settings) {
        return std::nullopt;
    }
    const QVariant value = m_settings->value(KeyOf(name));
    bool ok = false;
    qlonglong number = 0;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        number = value.toLongLong(&ok);
        break;
    case QMetaType::QString:
        // Plain decimal only: "0x10", "1e3" or "12abc" are not ours.
        number = value.toString().trimmed().toLongLong(&ok, 10);
        break;
    default:
        break;
    }
    if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(number);
}

std::optional<std::string> CQtSettingsStore::ReadString(std::string_view name) {
    if (!m_settings) {
        return std::nullopt;
    }
    const QVariant value = m_settings->value(KeyOf(name));
    // An unquoted text with a comma comes back as a list: not a separator we wrote.
    if (value.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    // A \x escape can make half a surrogate pair, which QSettings would write
    // back as nothing: the value would change under the next write.
    const QString text = value.toString();
    if (!text.isValidUtf16()) {
        return std::nullopt;
    }
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

bool CQtSettingsStore::WriteInt(std::string_view name, std::int32_t value) {
    if (!m_settings || m_bReadOnly) {
        return false;
    }
    m_settings->setValue(KeyOf(name), static_cast<int>(value));
    return Sync();
}

bool CQtSettingsStore::WriteString(std::string_view name, std::string_view value) {
    if (!m_settings || m_bReadOnly) {
        return false;
    }
    m_settings->setValue(KeyOf(name), QString::fromStdString(Cp1252ToUtf8(value)));
    return Sync();
}

bool CQtSettingsStore::Sync() {
    if (m_bBatch) {
        return true;
    }
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

void CQtSettingsStore::EndBatch() {
    m_bBatch = false;
    if (m_settings) {
        Sync();
    }
}

void CQtSettingsStore::Close() {
    m_bBatch = false;
    m_settings.reset();
}
