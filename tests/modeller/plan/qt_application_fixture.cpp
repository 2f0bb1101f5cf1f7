// The same application object as the platform tests use.
#include "../platform/qt_application_fixture.cpp"
