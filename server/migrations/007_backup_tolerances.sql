-- SPDX-License-Identifier: MIT
-- A library's copy keeps its tolerance as well, so that a restored library
-- is judged as before rather than by the default. NULL: the library had no
-- tolerance of its own, or the copy was taken before copies kept one.
ALTER TABLE library_backups ADD COLUMN tolerance jsonb;

-- Filled for every copy, whichever statement takes it: the tolerance row as
-- it stands, without the row number of the library it belonged to.
CREATE FUNCTION library_backup_tolerance() RETURNS trigger LANGUAGE plpgsql
    SET search_path = colorcard, pg_temp AS $$
BEGIN
    IF NEW.tolerance IS NULL THEN
        NEW.tolerance := (SELECT to_jsonb(t) - 'library_id'
                            FROM tolerances t JOIN libraries l ON l.id = t.library_id
                           WHERE l.library_key = NEW.library_key);
    END IF;
    RETURN NEW;
END $$;
CREATE TRIGGER library_backups_take_tolerance BEFORE INSERT ON library_backups
    FOR EACH ROW EXECUTE FUNCTION library_backup_tolerance();
