-- SPDX-License-Identifier: MIT
-- A library's version is raised once per statement that changes its colours,
-- not once per colour: storing a meter's 20,000 colours would otherwise
-- update the same library rows 20,000 times in one transaction.
DROP TRIGGER colours_change_library ON colours;
DROP FUNCTION colour_changes_library();

CREATE FUNCTION colours_change_libraries() RETURNS trigger LANGUAGE plpgsql
    SET search_path = colorcard, pg_temp AS $$
BEGIN
    IF TG_OP = 'INSERT' THEN
        UPDATE libraries SET version = version + 1, changed_by = session_user, changed_at = now()
         WHERE id IN (SELECT library_id FROM new_rows);
    ELSIF TG_OP = 'DELETE' THEN
        UPDATE libraries SET version = version + 1, changed_by = session_user, changed_at = now()
         WHERE id IN (SELECT library_id FROM old_rows);
    ELSE
        UPDATE libraries SET version = version + 1, changed_by = session_user, changed_at = now()
         WHERE id IN (SELECT library_id FROM new_rows UNION SELECT library_id FROM old_rows);
    END IF;
    RETURN NULL;
END $$;
CREATE TRIGGER colours_inserted_change_library AFTER INSERT ON colours
    REFERENCING NEW TABLE AS new_rows
    FOR EACH STATEMENT EXECUTE FUNCTION colours_change_libraries();
CREATE TRIGGER colours_updated_change_library AFTER UPDATE ON colours
    REFERENCING OLD TABLE AS old_rows NEW TABLE AS new_rows
    FOR EACH STATEMENT EXECUTE FUNCTION colours_change_libraries();
CREATE TRIGGER colours_deleted_change_library AFTER DELETE ON colours
    REFERENCING OLD TABLE AS old_rows
    FOR EACH STATEMENT EXECUTE FUNCTION colours_change_libraries();
