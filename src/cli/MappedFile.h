// A regular file mapped into memory to be read without copies, and a guard
// for the one way such reading can fail: another program cutting the file
// short meanwhile, which the system reports as SIGBUS.
#pragma once

#include <string>
#include <string_view>

class CMappedFile {
public:
    // Nothing mapped (IsMapped false) for what is not a regular file with
    // bytes in it, or when the system refuses: read it as a stream then.
    explicit CMappedFile(const std::string& path);
    ~CMappedFile();
    CMappedFile(const CMappedFile&) = delete;
    CMappedFile& operator=(const CMappedFile&) = delete;

    bool IsMapped() const { return m_pData != nullptr; }
    std::string_view Bytes() const { return {static_cast<const char*>(m_pData), m_nSize}; }
    // The bytes before upTo will not be read again: their pages leave this
    // process (they stay in the system's cache), so the memory it holds
    // stays small whatever the size of the file.
    void Release(const char* upTo);

private:
    void* m_pData = nullptr;
    std::size_t m_nSize = 0;
    std::size_t m_nReleased = 0;
};

// While one is alive, a SIGBUS removes the file being written (a temporary
// copy), writes the message to the standard error and ends the program with
// the status given, instead of a crash that leaves the copy behind.
class CTruncationGuard {
public:
    CTruncationGuard(const std::string& removeOnFault, const std::string& message, int status);
    ~CTruncationGuard();
    CTruncationGuard(const CTruncationGuard&) = delete;
    CTruncationGuard& operator=(const CTruncationGuard&) = delete;

private:
    bool m_bInstalled = false;
};
