#include "QuindorDoc.h"

#include "daynames/DayNameLists.h"

CQuindorDoc::~CQuindorDoc() { DeleteContents(); }

bool CQuindorDoc::OnNewDocument() {
    DeleteContents();
    LoadRepFeastDays();
    LoadSaints("sts", 0);
    LoadSaints("sts2", 1);
    return true;
}

void CQuindorDoc::DeleteContents() { FreeDayNameLists(); }
