/* Resource ids of the framework tests' own resources (FrameworkTest.rc). */
#ifndef VAULTRY_FRAMEWORK_TEST_RESOURCES_H
#define VAULTRY_FRAMEWORK_TEST_RESOURCES_H

#define IDR_TESTFRAME 200

/* Commands handled by one object each along the route, and one by none. */
#define ID_TEST_VIEWCMD   32801
#define ID_TEST_DOCCMD    32802
#define ID_TEST_FRAMECMD  32803
#define ID_TEST_APPCMD    32804
#define ID_TEST_SHARED    32805
#define ID_TEST_NOHANDLER 32806
#define ID_TEST_CHECKED   32807
#define ID_TEST_DISABLED  32808

#endif
