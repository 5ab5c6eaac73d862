#include "settings/MemorySettingsStore.h"

EStoreOpen CMemorySettingsStore::Open() {
    if (m_bFailOpen || m_bOpen) {
        return EStoreOpen::Failed;
    }
    ++m_nOpens;
    m_bOpen = true;
    if (!m_bExists) {
        m_bExists = true;
        return EStoreOpen::Created;
    }
    return EStoreOpen::Existing;
}

std::optional<std::int32_t> CMemorySettingsStore::ReadInt(std::string_view name) {
    if (!m_bOpen) {
        return std::nullopt;
    }
    auto it = m_values.find(name);
    if (it == m_values.end() || !std::holds_alternative<std::int32_t>(it->second)) {
        return std::nullopt;
    }
    return std::get<std::int32_t>(it->second);
}

std::optional<std::string> CMemorySettingsStore::ReadString(std::string_view name) {
    if (!m_bOpen) {
        return std::nullopt;
    }
    auto it = m_values.find(name);
    if (it == m_values.end() || !std::holds_alternative<std::string>(it->second)) {
        return std::nullopt;
    }
    return std::get<std::string>(it->second);
}

bool CMemorySettingsStore::WriteInt(std::string_view name, std::int32_t value) {
    if (!m_bOpen || m_bFailWrites) {
        return false;
    }
    m_values.insert_or_assign(std::string(name), Value(value));
    m_writes.push_back({std::string(name), Value(value)});
    return true;
}

bool CMemorySettingsStore::WriteString(std::string_view name, std::string_view value) {
    if (!m_bOpen || m_bFailWrites) {
        return false;
    }
    m_values.insert_or_assign(std::string(name), Value(std::string(value)));
    m_writes.push_back({std::string(name), Value(std::string(value))});
    return true;
}

void CMemorySettingsStore::Close() {
    m_bOpen = false;
}

void CMemorySettingsStore::Put(const std::string& name, Value value) {
    m_bExists = true;
    m_values.insert_or_assign(name, std::move(value));
}

void CMemorySettingsStore::Clear() {
    m_values.clear();
    m_bExists = false;
}
