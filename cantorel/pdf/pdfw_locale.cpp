#include "pdfw_internal.h"

namespace {

// The "C" locale object, made once and kept for the life of the process.
locale_t CLocale()
{
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c_locale;
}

} // namespace

PdfwCLocaleScope::PdfwCLocaleScope()
    : m_previous(uselocale(CLocale()))
{
}

PdfwCLocaleScope::~PdfwCLocaleScope()
{
    uselocale(m_previous);
}
