# cppcheck: warnings, style, performance and portability
cppcheck --library=googletest --enable=warning,style,performance,portability --std=c++17 \
  --inline-suppr --error-exitcode=1 --quiet -I harness -I overlap harness rtl overlap tests
echo "cppcheck finds nothing"
