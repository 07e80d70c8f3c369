# Finds a JDK for the Java binding and defines the option TAVRIX_JAVA: on by
# default when javac and the JDK's jni.h are both found, off otherwise (the
# rest of the project builds without a JDK).
find_package(Java 11 QUIET COMPONENTS Development Runtime)
# FindJNI looks in JAVA_HOME and a few fixed places; without JAVA_HOME, use
# the JDK that javac belongs to, so the headers and the compiler agree.
if(Java_JAVAC_EXECUTABLE AND NOT JAVA_HOME AND NOT DEFINED ENV{JAVA_HOME})
  file(REAL_PATH "${Java_JAVAC_EXECUTABLE}" tavrix_javac)
  cmake_path(GET tavrix_javac PARENT_PATH tavrix_java_bin)
  cmake_path(GET tavrix_java_bin PARENT_PATH JAVA_HOME)
endif()
# Only jni.h is needed: the natives are called by a virtual machine and
# link against nothing of it.
find_package(JNI QUIET OPTIONAL_COMPONENTS JVM)
if(Java_FOUND AND JNI_FOUND)
  set(tavrix_java_default ON)
else()
  set(tavrix_java_default OFF)
endif()
option(TAVRIX_JAVA "Build the Java binding: JNI natives in the shared library, tavrix-parser.jar, JVM tests"
       ${tavrix_java_default})
if(TAVRIX_JAVA)
  find_package(Java 11 REQUIRED COMPONENTS Development Runtime)
  find_package(JNI REQUIRED OPTIONAL_COMPONENTS JVM)
  message(STATUS "Java binding: javac ${Java_VERSION_STRING}, jni.h in ${JAVA_INCLUDE_PATH}")
endif()
