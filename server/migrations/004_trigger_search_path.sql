-- SPDX-License-Identifier: MIT
-- The triggers that touch other tables name them without the schema: they
-- find them whatever search path the session that fired them has.
ALTER FUNCTION colour_changes_library() SET search_path = colorcard, pg_temp;
ALTER FUNCTION trim_library_backups() SET search_path = colorcard, pg_temp;
