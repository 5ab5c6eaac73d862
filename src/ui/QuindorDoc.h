// The program's one document: it has no file of its own, only the day-name
// lists it loads when created and frees when its contents go.
#pragma once

class CQuindorDoc {
public:
    CQuindorDoc() = default;
    ~CQuindorDoc();
    CQuindorDoc(const CQuindorDoc&) = delete;
    CQuindorDoc& operator=(const CQuindorDoc&) = delete;

    // Loads the Republican feast days, then the traditional and the present
    // saints lists. Missing files leave those names out; always true.
    bool OnNewDocument();
    void DeleteContents();
};
