#include "QuindorApp.h"

#include "MainFrame.h"
#include "QtSettingsStore.h"
#include "QuindorView.h"

CQuindorApp::CQuindorApp() = default;

CQuindorApp::~CQuindorApp() {
    // The window goes before the lists it shows.
    m_frame.reset();
    m_doc.DeleteContents();
}

bool CQuindorApp::InitInstance(std::unique_ptr<CSettingsStore> store) {
    if (!store)
        store = std::make_unique<CQtSettingsStore>(CQtSettingsStore::DefaultPath());
    m_frame = std::make_unique<CMainFrame>(std::move(store));
    m_frame->CreateFrame();
    m_doc.OnNewDocument();
    m_frame->View()->Panel().OnInitialUpdate();
    m_frame->setWindowTitle(QStringLiteral("Quindor"));
    m_frame->show();
    m_frame->RestoreMonthView();
    return true;
}
