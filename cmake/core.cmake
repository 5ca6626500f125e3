add_library(stats_core STATIC
  contest/ole_date_time.cpp
  contest/contest_rules.cpp
  contest/info.cpp
  contest/text_codes.cpp
  contest/call_band_index.cpp
  contest/log_store.cpp
  contest/band_rows.cpp
  contest/text_util.cpp
  contest/bad_qso_file.cpp
  contest/call_checks.cpp
  contest/qso_entry.cpp
  windows/settings.cpp
  windows/window_titles.cpp
  windows/info_refresh.cpp
  results/cabrillo_log.cpp
  results/score.cpp
  results/result_text.cpp
  results/result_html.cpp
  plugin/stats_reset.cpp
  plugin/stats_plugin.cpp
  plugin/stats_result.cpp
)
target_include_directories(stats_core PUBLIC ${CMAKE_SOURCE_DIR})
