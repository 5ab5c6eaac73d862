// The application: starts the program in its fixed order (settings, frame
// and view, lists, today's date in every row, show) and owns its parts.
#pragma once

#include "QuindorDoc.h"
#include "settings/SettingsStore.h"

#include <memory>

class CMainFrame;

class CQuindorApp {
public:
    CQuindorApp();
    ~CQuindorApp();

    // The settings store defaults to the user's configuration file.
    bool InitInstance(std::unique_ptr<CSettingsStore> store = nullptr);
    CMainFrame* MainFrame() const { return m_frame.get(); }
    CQuindorDoc& Document() { return m_doc; }

private:
    CQuindorDoc m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};
