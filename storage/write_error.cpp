#include "write_error.h"

#include <cerrno>

namespace dakru::storage {
namespace {

const char* stepName(Step step)
{
    switch (step) {
    case Step::Write: return "the write";
    case Step::Flush: return "the flush";
    case Step::Rename: return "the rename";
    }
    return "the write";
}

}  // namespace

bool WriteError::noSpace() const
{
    if (code == std::errc::no_space_on_device) {
        return true;
    }
#ifdef EDQUOT
    return code.category() == std::generic_category() && code.value() == EDQUOT;
#else
    return false;
#endif
}

std::string WriteError::text() const
{
    return (noSpace() ? std::string("no space left on the disk") : code.message()) + ", at " + stepName(step);
}

}  // namespace dakru::storage
