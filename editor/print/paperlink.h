#pragma once

#include <QUrl>

namespace editor {

// The link a pane's web address makes on paper: an http, https or ftp address
// with a host, a mailto address, a "www." address (as http) or a bare e-mail
// address (as mailto). Empty for anything else (a relative page, an address
// without a host, another scheme), which is printed as text only.
QUrl paperLink(const QString& address);

} // namespace editor
