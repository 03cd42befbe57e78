#pragma once
// An editor of one record of a reference table, as the browser drives it.

class IReferenceEditor {
public:
    virtual ~IReferenceEditor() = default;
    // The ID the editor works on; 0 = a new record.
    virtual int GetRecordID() const = 0;
    // Sets the ID to edit; 0 starts a new record.
    virtual void SetRecordID(int id) = 0;
    // Shows the editor modally; true when the user confirmed with OK, the
    // table then being saved.
    virtual bool Execute() = 0;
};
