#include "cli/base/EntryLookup.h"

#include <climits>
#include <vector>

#include "cli/base/EntryOutput.h"

int FindEntry(const CCliContext& context, const CString& strPath, const CEntryList& list, const CString& strOperand)
{
    int nIndex = 0;
    if (ParseDecimal(strOperand, INT_MAX, nIndex) && nIndex < list.GetCount()) return nIndex;
    CString strFor;
    try {
        strFor = context.codec.FromArgument(strOperand, "ENTRY");
    } catch (const CCliError&) {
        // No For text can hold it: it names no entry.
    }
    std::vector<int> exact, folded;
    for (int i = 0; i < list.GetCount(); ++i) {
        const CString& strText = list.ElementAt(i).m_strFor;
        if (strText == strFor)
            exact.push_back(i);
        else if (context.codec.GetCodePage().SameIgnoringCase(strText, strFor))
            folded.push_back(i);
    }
    const std::vector<int>& found = exact.empty() ? folded : exact;
    if (found.size() == 1) return found[0];
    CString strMessage;
    if (found.empty() && ParseDecimal(strOperand, INT_MAX, nIndex) && list.GetCount() > 0)
        strMessage.Format("%s has no entry %s; its entries are 0 to %d", strPath.GetString(), strOperand.GetString(),
                          list.GetCount() - 1);
    else if (found.empty())
        strMessage = strPath + " has no entry " + strOperand;
    else
        strMessage.Format("%s has %d entries for %s; give the index of one:", strPath.GetString(),
                          static_cast<int>(found.size()), strOperand.GetString());
    for (std::size_t i = 0; i < found.size(); ++i)
        strMessage += (i ? ", " : " ") + EntryLabel(context.codec, found[i], list.ElementAt(found[i]));
    throw CCliError(kExitUsage, strMessage);
}
