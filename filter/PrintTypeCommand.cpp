#include "filter/JobCommands.h"

#include "filter/FilterState.h"
#include "filter/PjlLine.h"

#include <string>
#include <string_view>

namespace {

// Print types that hold the job at the printer.
constexpr int kSecurePrint = 2;
constexpr int kSamplePrint = 3;

// Document-name types: the job title, or a name typed in the dialog.
constexpr int kNameFromTitle = 1;
constexpr int kNameTyped = 2;

} // namespace

void OutputPrintTypeCommand(char**, const PrintOptions& options)
{
    const PrintTypeOption& printType = options.printType;

    PutPJLComment(std::string("DNAME=") + PTStdDocumentName);

    if (printType.printType == kSamplePrint) {
        MakePJLCommand("SET", "HOLD", "PROOF");
    } else if (printType.printType == kSecurePrint) {
        MakePJLCommand("SET", "HOLD", "STORE");
        // Without a passcode the job is stored but anyone may release it.
        if (printType.password[0] != '\0') {
            MakePJLCommand("SET", "HOLDTYPE", "PRIVATE");
            MakePJLCommand("SET", "HOLDKEY", printType.password);
        }
    }

    if (printType.userName[0] != '\0') MakePJLCommand("SET", "USERNAME", printType.userName);

    if (printType.documentNameType == kNameFromTitle)
        MakePJLCommand("SET", "JOBNAME", PTStdDocumentName);
    else if (printType.documentNameType == kNameTyped && printType.documentName[0] != '\0')
        MakePJLCommand("SET", "JOBNAME", printType.documentName);
}
