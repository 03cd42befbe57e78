// The statement editor's logic under any typed or pasted input: counts,
// amounts, source edits and deletions in any order never crash, and the
// check never passes a statement whose split differs from its total.
#include "store/Store.h"
#include "statement/CashField.h"
#include "statement/DocumentEditorState.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace {

TStore& FuzzStore() {
    static TStore* store = [] {
        const std::filesystem::path dir =
            std::filesystem::temp_directory_path() / "ved_statement_editor_fuzz";
        std::filesystem::create_directories(dir);
        auto* opened = new TStore(dir, dir);
        opened->Open();
        return opened;
    }();
    return *store;
}

} // namespace

// Each input is a list of commands: a command byte, a target byte and a text
// up to the next NUL byte.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    TStore& store = FuzzStore();
    TXNod& sources = store.EarnSources().Section("Источники");
    while (sources.SectionCount() > 0) {
        sources.DeleteSection(0);
    }
    TDocumentEditorState editor(store);
    editor.Load(45000.5);
    editor.SetBagNumber("1");
    while (input.size() >= 2) {
        const char command = input[0];
        const int target = static_cast<unsigned char>(input[1]) % 8;
        input.remove_prefix(2);
        const std::string_view text = input.substr(0, input.find('\0'));
        input.remove_prefix(std::min(input.size(), text.size() + 1));
        switch (command % 6) {
        case 0:
            editor.SetCount(target * 2 + 1, text);
            break;
        case 1:
            editor.SetAmount(target, text);
            break;
        case 2:
            editor.SetCurrentSource(target);
            break;
        case 3:
            if (editor.Statement().Sources.size() < 7) {
                editor.AddSource(text, "1");
            }
            break;
        case 4:
            editor.DeleteCurrentSource();
            break;
        default:
            if (editor.Check().Passed &&
                EncodeCash(editor.Statement()).find("<SS") == std::string::npos) {
                std::abort(); // a passing statement books its total somewhere
            }
        }
    }
    return 0;
}
