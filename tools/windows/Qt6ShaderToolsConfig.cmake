# Qt Shader Tools for a Windows build of Qt Multimedia, which needs nothing of it but the
# shader baker: the host's qsb and its CMake functions, from the host's Qt.
find_package(Qt6ShaderToolsTools CONFIG REQUIRED PATHS "${QT_HOST_PATH_CMAKE_DIR}"
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
set(Qt6ShaderTools_FOUND TRUE)
