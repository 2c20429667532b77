#pragma once

#include <QString>

namespace rinolux {

// The information texts of the "...info" buttons (joined numbered pieces, value series,
// repeated and nested numbers) in the markup of the message dialogs; empty for other codes.
QString EditSchalterHilfeText(const QString &code);

} // namespace rinolux
