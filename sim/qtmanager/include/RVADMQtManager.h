#pragma once

// The toolkit manager library: the services that every toolkit-based plug-in of a host shares.
// Host UI thread only.

#include <QByteArray>

class QWidget;

#if defined(_WIN32)
#define RVADMQTMANAGER_API __declspec(dllexport)
#else
#define RVADMQTMANAGER_API __attribute__((visibility("default")))
#endif

namespace RVADMQtManager {

namespace QtManager {

RVADMQTMANAGER_API bool IsInDarkMode(const QWidget* widget);

} // namespace QtManager

namespace SharedResources {

// The PNG data of built-in icon `id` (16000–16099, 16800–16899) in its variant for the theme
// (`dark`) and the device pixel ratio (`scale`, 1.0 or 2.0); empty when the library holds no such
// variant.
RVADMQTMANAGER_API QByteArray GetBuiltinResource(int id, bool dark, double scale);

} // namespace SharedResources

} // namespace RVADMQtManager
