#include "store/Schemas.h"

namespace {

TFieldDef Id() {
    TFieldDef def = MakeFieldDef("ID", TFieldType::AutoInc);
    def.ReadOnly = true;
    return def;
}

TFieldDef Integer(const char* name) {
    return MakeFieldDef(name, TFieldType::Integer);
}

TFieldDef String(const char* name, int size) {
    return MakeFieldDef(name, TFieldType::String, size);
}

} // namespace

std::vector<TFieldDef> ConfigFieldDefs() {
    return {Integer("DefaultFirm"), Integer("DefaultBank")};
}

std::vector<TFieldDef> FirmsFieldDefs() {
    return {Id(),
            Integer("Deleted"),
            String("Name", 80),
            String("DebitAccount", 40),
            String("CreditAccount", 40),
            String("INN", 40),
            String("KPP", 40),
            String("Account", 40),
            String("OKATO", 40)};
}

std::vector<TFieldDef> BanksFieldDefs() {
    return {Id(), Integer("Deleted"), String("Name", 80), String("BIK", 40),
            String("DebitAccount", 40)};
}

std::vector<TFieldDef> DocumentsFieldDefs() {
    return {Id(),
            MakeFieldDef("Datetime", TFieldType::DateTime),
            String("BagNumber", 50),
            Integer("FromFirm"),
            Integer("ToFirm"),
            Integer("FromBank"),
            Integer("ToBank"),
            String("Cash", 500),
            MakeFieldDef("CashSum", TFieldType::Currency),
            String("FIELD39", 200)};
}
