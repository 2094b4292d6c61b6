# Debian packages, built with `cmake --build --preset release --target package`:
#   libolm3binnen0         the component's two libraries and the SQL texts a host runs on its databases
#   libolm3binnen-dev      headers, the link names and the CMake package
#   olm3binnen-host        the reference host with its desktop entry and icon
#   olm3binnen             the command-line tool with its man page
#   olm3binnen-catalogues  the bundled waterway catalogues
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME olm3binnen)
set(CPACK_PACKAGE_VENDOR "OLM3Binnen")
set(CPACK_PACKAGE_CONTACT "OLM3Binnen <olm3binnen@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Inland waterways for a chart plotter: browse, plan, time a trip")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_COMPONENTS_ALL lib dev host tool catalogues)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)

set(olm3_deb_version "${PROJECT_VERSION}")
set(olm3_qt_runtime "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4)")

set(CPACK_DEBIAN_LIB_PACKAGE_NAME libolm3binnen0)
set(CPACK_DEBIAN_LIB_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_LIB_PACKAGE_DEPENDS "${olm3_qt_runtime}, libqt6sql6-sqlite, libsqlitecpp0, libsqlite3-0")
set(CPACK_COMPONENT_LIB_DESCRIPTION "OLM3Binnen inland-waterway component\n The component a chart plotter links to browse waterways, plan a route and\n time it lock by lock.")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libolm3binnen-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "libolm3binnen0 (= ${olm3_deb_version}), qt6-base-dev (>= 6.4), libsqlitecpp-dev")
set(CPACK_COMPONENT_DEV_DESCRIPTION "OLM3Binnen inland-waterway component: development files\n Headers and the CMake package (find_package(OLM3Binnen)).")

set(CPACK_DEBIAN_HOST_PACKAGE_NAME olm3binnen-host)
set(CPACK_DEBIAN_HOST_PACKAGE_DEPENDS "libolm3binnen0 (= ${olm3_deb_version}), ${olm3_qt_runtime}")
set(CPACK_DEBIAN_HOST_PACKAGE_RECOMMENDS olm3binnen-catalogues)
set(CPACK_COMPONENT_HOST_DESCRIPTION "OLM3Binnen reference chart plotter\n A small chart plotter that hosts the inland-waterway component.")

set(CPACK_DEBIAN_TOOL_PACKAGE_NAME olm3binnen)
set(CPACK_DEBIAN_TOOL_PACKAGE_DEPENDS "libolm3binnen0 (= ${olm3_deb_version}), libqt6core6 (>= 6.4)")
set(CPACK_COMPONENT_TOOL_DESCRIPTION "OLM3Binnen command-line tool\n Nearest objects, lock waits, holidays, routes and catalogues, as text or JSON.")

set(CPACK_DEBIAN_CATALOGUES_PACKAGE_NAME olm3binnen-catalogues)
set(CPACK_DEBIAN_CATALOGUES_PACKAGE_ARCHITECTURE all)
set(CPACK_COMPONENT_CATALOGUES_DESCRIPTION "OLM3Binnen waterway catalogues\n The bundled catalogues of the Berlin-Brandenburg and Potsdam waterways.")

include(CPack)
