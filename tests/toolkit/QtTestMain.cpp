// One QApplication for the whole test program, offscreen unless a platform is chosen.

#include <QApplication>

#include <gtest/gtest.h>

// Qt 5.15's offscreen platform never frees the screen it creates with the application. Its
// allocations are recognised by the integration's creation frame, which needs full unwinding.
// A non-throwing allocation too large to be had returns null, as it does without the sanitizer.
extern "C" __attribute__((visibility("default"))) const char* __asan_default_options()
{
    return "fast_unwind_on_malloc=0:allocator_may_return_null=1";
}

extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions()
{
    return "leak:QGuiApplicationPrivate::createPlatformIntegration\n";
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The host draws icons from their double-density pictures on double-density screens.
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
