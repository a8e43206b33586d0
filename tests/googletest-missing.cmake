# Registered as the only test when GoogleTest was not found at configure time.
message(FATAL_ERROR "GoogleTest was not found when this build was configured, so no test was "
  "built. Install GoogleTest (README.md, Requirements) and configure again.")
