#include "store/edit.h"

#include "common/textcodec.h"
#include "store/phonebook.h"
#include "store/recordrules.h"

EditResult AcceptRecordEdit(Phonebook &book, RecordEdit edit, Prompter &prompter)
{
    AgendaRecord &r = edit.record;
    for (const RecordField &f : Fields()) {
        if (!edit.checked.test(size_t(f.id)) || !f.read)
            continue;
        const QString refusal = FieldRefusal(f.id, f.read(r));
        if (!refusal.isEmpty())
            return {false, refusal, f.id};
    }
    AskClearPostal(edit.addressChanged, r.nav.navFlags, prompter);
    AskClearVoice(edit.labelChanged, r.voiceIndex, prompter);
    // The unit expects the address in upper case; the editors keep what the user typed.
    for (const RecordField &f : Fields())
        if (f.upper)
            f.write(r, UpperPerUnit(f.read(r)));
    const BookResult stored = book.StoreRecord(edit.slot, r);
    return {stored.ok, stored.reason, FieldId::Record};
}

EditResult AcceptCellEdit(Phonebook &book, int slot, int column, const QString &text, Prompter &prompter)
{
    const RecordField *field = ColumnField(column);
    const AgendaRecord *stored = book.RecordAt(slot);
    if (!field || !field->editable || !stored)
        return {};
    const QString refusal = FieldRefusal(field->id, text);
    if (!refusal.isEmpty())
        return {false, refusal, field->id};
    RecordEdit edit;
    edit.slot = slot;
    edit.record = *stored;
    // The coordinate is read back only when its text was changed, so that editing
    // another cell never rounds a stored coordinate.
    if (text != field->read(*stored) && !field->write(edit.record, text))
        return {false, RecordText::invalidGps(), field->id};
    edit.addressChanged = AddressDiffers(*stored, edit.record);
    edit.labelChanged = edit.record.label != stored->label;
    return AcceptRecordEdit(book, std::move(edit), prompter);
}
